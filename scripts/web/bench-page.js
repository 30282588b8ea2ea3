// Benchmarks of the page, in headless Chromium on 127.0.0.1: from navigation to the first
// frame the program draws, for Velmora's site and for a bare Qt main window's site of the
// same page and Qt (loads taken in turn, RUNS of each, median), the time of a calculate
// click from the press to the next frame drawn, and what a first visit transfers. Prints
// Markdown table rows. A frame is drawn when the page's canvas is first drawn on: a
// wrapper on the canvas drawing calls, put in before the page's own scripts, notes when.
//   VELMORA_LAYOUT_TABLE=FILE node scripts/web/bench-page.js VELMORA_SITE BARE_SITE [RUNS]
'use strict';
const path = require('path');
const { Browser, serve, decodePng } = require('./chromium.js');
const { centres, findMainWindow } = require('./mainwindow.js');

const [velmoraSite, bareSite] = [process.argv[2], process.argv[3]].map((p) => path.resolve(p));
const runs = Number(process.argv[4] || 9);

const noteDraws = `
    window.__draws = [];
    for (const type of ['WebGLRenderingContext', 'WebGL2RenderingContext', 'CanvasRenderingContext2D']) {
        const prototype = window[type] && window[type].prototype;
        if (!prototype) continue;
        for (const call of ['drawArrays', 'drawElements', 'putImageData', 'drawImage']) {
            const original = prototype[call];
            if (typeof original !== 'function') continue;
            prototype[call] = function (...args) {
                window.__draws.push(performance.now());
                return original.apply(this, args);
            };
        }
    }`;

const median = (values) => {
    const sorted = [...values].sort((a, b) => a - b);
    const middle = sorted.length >> 1;
    return sorted.length % 2 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2;
};

async function firstFrame(browser, url) {
    const page = await browser.newPage();
    await page.send('Page.addScriptToEvaluateOnNewDocument', { source: noteDraws });
    await page.send('Network.enable');
    await page.send('Network.setCacheDisabled', { cacheDisabled: true });
    await page.goto(url);
    await page.waitFor('the first frame', 60, () => page.evaluate('window.__draws.length > 0'));
    const ms = await page.evaluate('window.__draws[0]');
    await page.send('Page.close');
    return ms;
}

(async () => {
    const velmora = await serve(velmoraSite);
    const bare = await serve(bareSite);
    const browser = await Browser.launch();
    const times = { velmora: [], bare: [] };
    try {
        // A first load of each warms the disk cache; it is not counted.
        await firstFrame(browser, velmora.url);
        await firstFrame(browser, bare.url);
        for (let run = 0; run < runs; ++run) {
            times.velmora.push(await firstFrame(browser, velmora.url));
            times.bare.push(await firstFrame(browser, bare.url));
        }

        // Calculate clicks: the M mode chosen and 2 typed once, then the button each time.
        const page = await browser.newPage();
        await page.send('Page.addScriptToEvaluateOnNewDocument', { source: noteDraws });
        await page.goto(velmora.url);
        await page.waitFor('the first frame', 60, () => page.evaluate('window.__draws.length > 0'));
        let found = null;
        await page.waitFor('the chart to be drawn', 60, async () => (found = findMainWindow(decodePng(await page.screenshot()))));
        const { client } = found;
        const at = (name) => [client.x + centres[name][0], client.y + centres[name][1]];
        await page.click(...at('Option_M'));
        await page.click(...at('Text_Msub'));
        await page.type('2');
        const clicks = [];
        for (let run = 0; run < runs; ++run) {
            // Paced: each click starts from a page that has settled after the last one.
            await new Promise((r) => setTimeout(r, 200));
            const start = await page.evaluate('window.__draws.length');
            const t0 = await page.evaluate('performance.now()');
            await page.click(...at('Command1'));
            await page.waitFor('the frame after the click', 10, () => page.evaluate(`window.__draws.length > ${start}`));
            clicks.push(await page.evaluate(`window.__draws[${start}]`) - t0);
        }
        const v = median(times.velmora), b = median(times.bare);
        console.log(`| page: navigation to first frame (median of ${runs}) | ${v.toFixed(0)} ms | ${b.toFixed(0)} ms | ${(v / b).toFixed(2)} |`);
        console.log(`| page: calculate click, M mode, to the next frame (median of ${runs}) | ${median(clicks).toFixed(1)} ms | | |`);
    } finally {
        await browser.close();
        await velmora.close();
        await bare.close();
    }
})().catch((error) => {
    console.error(`bench-page: ${error.stack || error}`);
    process.exit(1);
});

