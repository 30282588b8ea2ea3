// Where Velmora's main window is in a screenshot of the page, as the outside checks find
// it: the chart's drawing area, blank light yellow at start, anchors every other place.
'use strict';
const fs = require('fs');
const path = require('path');

// The program's own layout table, as velmora-layout-table prints it; the shell script that
// runs a check writes it and names it in VELMORA_LAYOUT_TABLE.
function readLayoutTable(file) {
    if (!file || !fs.existsSync(file))
        throw new Error('VELMORA_LAYOUT_TABLE names no layout table (the scripts write it with velmora-layout-table)');
    const table = { controls: {}, colours: {}, scales: {}, texts: {} };
    for (const line of fs.readFileSync(file, 'utf8').split('\n')) {
        const fields = line.split(' ');
        if (fields[0] === 'control' && fields[1] === 'Form_Velmora') {
            const [x, y, w, h] = fields.slice(9, 13).map(Number);
            table.controls[fields[2]] = { kind: fields[3], x, y, w, h };
        } else if (fields[0] === 'colour') {
            table.colours[fields[1]] = fields.slice(2, 5).map(Number);
        } else if (fields[0] === 'scale') {
            const [x1, y1, x2, y2] = fields.slice(2, 6).map(Number);
            table.scales[fields[1]] = { x1, y1, x2, y2 };
        } else if (fields[0] === 'text') {
            table.texts[fields[1]] = fields.slice(2).join(' ');
        }
    }
    return table;
}
const table = readLayoutTable(process.env.VELMORA_LAYOUT_TABLE);
const lightYellow = table.colours.chartBackground;
const blue = table.colours.marker;
const picture = table.controls.Picture1;
const chartScale = table.scales.Picture1;

// Where a click on a control lands, from the client area's top left: its centre, or for an
// option button its round indicator, at the left end.
const centres = Object.fromEntries(Object.entries(table.controls).map(([name, c]) =>
    [name, [c.kind === 'OptionButton' ? c.x + 7 : c.x + Math.floor(c.w / 2), c.y + Math.floor(c.h / 2)]]));

// The place of the chart point (M, 4fL*/D) in the chart's drawing area CHART.
function chartPoint(chart, M, F) {
    const s = chartScale;
    return [chart.x + (M - s.x1) / (s.x2 - s.x1) * chart.w, chart.y + (-F - s.y1) / (s.y2 - s.y1) * chart.h];
}

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
    const area = chartArea(image, (picture.w - 49) * scale);
    if (!area || area.w < (picture.w - 9) * scale || area.h < (picture.h - 9) * scale)
        return null;
    const chart = { x: area.x / scale, y: area.y / scale, w: area.w / scale, h: area.h / scale };
    // The drawing area is the picture box less its frame's border.
    const border = (picture.w - chart.w) / 2;
    const client = { x: chart.x - picture.x - border, y: chart.y - picture.y - border };
    const main = { x: client.x, y: client.y - 24, w: chart.x + chart.w + 8 - client.x,
                   h: chart.y + chart.h + 32 - client.y };
    return { chart, client, main };
}

module.exports = { table, lightYellow, blue, centres, chartPoint, boxOf, chartArea, findMainWindow };
