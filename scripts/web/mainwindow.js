// Where Velmora's main window is in a screenshot of the page, as the outside checks find
// it: the chart's drawing area, blank light yellow at start, anchors every other place.
'use strict';
const fs = require('fs');
const path = require('path');

const lightYellow = [255, 255, 192];
const blue = [0, 0, 255];

// The controls' centres from the client area's top left (scripts/lib/control-centres.txt).
const centres = Object.fromEntries(fs.readFileSync(path.join(__dirname, '../lib/control-centres.txt'), 'utf8')
    .split('\n').filter((line) => line && !line.startsWith('#'))
    .map((line) => line.split(/\s+/)).map(([name, x, y]) => [name, [Number(x), Number(y)]]));

// The bounding box of the pixels of one colour inside REGION (all of the image if none).
function boxOf(image, colour, region = { x: 0, y: 0, w: image.width, h: image.height }) {
    let left = Infinity, top = Infinity, right = -1, bottom = -1, count = 0;
    for (let y = region.y; y < region.y + region.h; ++y)
        for (let x = region.x; x < region.x + region.w; ++x) {
            const [r, g, b] = image.rgb(x, y);
            if (r === colour[0] && g === colour[1] && b === colour[2]) {
                left = Math.min(left, x); right = Math.max(right, x);
                top = Math.min(top, y); bottom = Math.max(bottom, y);
                ++count;
            }
        }
    return count ? { x: left, y: top, w: right - left + 1, h: bottom - top + 1, count } : null;
}

// The chart's drawing area: the rows that hold a run of light yellow at least MINIMUM
// pixels wide, one block of them (the icon in the title bar has some light yellow too).
function chartArea(image, minimum) {
    let area = null;
    for (let y = 0; y < image.height; ++y) {
        let start = -1, best = null;
        for (let x = 0; x <= image.width; ++x) {
            const [r, g, b] = x < image.width ? image.rgb(x, y) : [0, 0, 0];
            const yellow = r === lightYellow[0] && g === lightYellow[1] && b === lightYellow[2];
            if (yellow && start < 0)
                start = x;
            if (!yellow && start >= 0) {
                if (x - start >= minimum && (!best || x - start > best.w))
                    best = { x: start, w: x - start };
                start = -1;
            }
        }
        if (best && (!area || y === area.y + area.h))
            area = area ? { x: Math.min(area.x, best.x), y: area.y, w: Math.max(area.w, best.w), h: area.h + 1 }
                        : { x: best.x, y, w: best.w, h: 1 };
        else if (area && !best && area.h >= minimum / 2)
            break;
        else if (!best)
            area = null;
    }
    return area;
}

// The chart's area, the client area's top left and the main window's extent, in CSS
// pixels, from a screenshot at SCALE device pixels a CSS pixel; null before the chart is
// drawn whole.
function findMainWindow(image, scale = 1) {
    const area = chartArea(image, 200 * scale);
    if (!area || area.w < 240 * scale || area.h < 168 * scale)
        return null;
    const chart = { x: area.x / scale, y: area.y / scale, w: area.w / scale, h: area.h / scale };
    // The chart's frame is 249 px wide with its border; its top left is at (8, 208).
    const border = (249 - chart.w) / 2;
    const client = { x: chart.x - 8 - border, y: chart.y - 208 - border };
    const main = { x: client.x, y: client.y - 24, w: chart.x + chart.w + 8 - client.x,
                   h: chart.y + chart.h + 32 - client.y };
    return { chart, client, main };
}

module.exports = { lightYellow, blue, centres, boxOf, chartArea, findMainWindow };
