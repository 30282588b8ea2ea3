// Looks at the site as a visitor meets it, in headless Chromium, from outside the program:
// real clicks and key presses, the clipboard and screenshots to read.
//   - the page opens with the main window at its own size; γ reads 1.4; Chromium can
//     install it as an app;
//   - M = 2 gives 0.305 / 0.6667 / 0.4082 / 0.6124 / 1.6875 with a marker on the chart;
//   - the About menu opens the About window beside the main window;
//   - 4fL*/D = 0.5 gives 0.5977 and 2.8604, both marked;
//   - γ = 1 brings a modal message box; Return (its OK) closes it and the page goes on;
//   - a German browser writes 0,305; at devicePixelRatio 2 the chart is drawn at full size;
//   - a reload with the server stopped still works (the service worker);
//   - a site that lacks velmora.wasm says so in the page;
//   - the console shows no error.
// Leaves its screenshots in OUT; about.png is the README's docs/browser.png.
//   VELMORA_LAYOUT_TABLE=FILE node scripts/web/check-page.js SITE OUT
'use strict';
const fs = require('fs');
const os = require('os');
const path = require('path');
const { Browser, serve, decodePng } = require('./chromium.js');
const { lightYellow, blue, centres, chartPoint, boxOf, findMainWindow } = require('./mainwindow.js');

const site = path.resolve(process.argv[2] || '');
const out = path.resolve(process.argv[3] || 'look');
fs.mkdirSync(out, { recursive: true });

let failures = 0;
const fail = (text) => { console.log(`check-page: ${text}`); ++failures; };
const pass = (text) => console.log(`  ${text}`);
const pause = (ms) => new Promise((r) => setTimeout(r, ms));
// Whether CONDITION comes to hold within SECONDS, polled.
async function holdsWithin(page, what, seconds, condition) {
    try {
        await page.waitFor(what, seconds, condition);
        return true;
    } catch {
        return false;
    }
}

// Pixels within RADIUS of (CX, CY) whose colour lies within FUZZ of COLOUR (the distance
// in RGB; 130 is ImageMagick's 30 %), so that an antialiased thin line still counts.
function near(image, colour, cx, cy, radius, fuzz = 130) {
    let n = 0;
    for (let y = cy - radius; y <= cy + radius; ++y)
        for (let x = cx - radius; x <= cx + radius; ++x) {
            const [r, g, b] = image.rgb(x, y);
            if (Math.hypot(r - colour[0], g - colour[1], b - colour[2]) < fuzz)
                ++n;
        }
    return n;
}

function differing(a, b, region) {
    let n = 0;
    for (let y = region.y; y < region.y + region.h; ++y)
        for (let x = region.x; x < region.x + region.w; ++x) {
            const p = a.rgb(x, y), q = b.rgb(x, y);
            if (p[0] !== q[0] || p[1] !== q[1] || p[2] !== q[2])
                ++n;
        }
    return n;
}

// One visit: the page open, the main window found by its chart.
class Visit {
    static async open(browser, url, scale = 1) {
        const visit = new Visit();
        visit.scale = scale;
        visit.page = await browser.newPage();
        await browser.send('Browser.grantPermissions', {
            origin: new URL(url).origin, permissions: ['clipboardReadWrite', 'clipboardSanitizedWrite'] });
        const started = Date.now();
        await visit.page.goto(url);
        await visit.findWindow();
        visit.seconds = (Date.now() - started) / 1000;
        return visit;
    }

    async shot(name) {
        const png = await this.page.screenshot();
        if (name)
            fs.writeFileSync(path.join(out, `${name}.png`), png);
        return decodePng(png);
    }

    async findWindow() {
        await this.page.waitFor('the chart to be drawn', 60, async () => {
            const found = findMainWindow(await this.shot(), this.scale);
            Object.assign(this, found);
            return Boolean(found);
        });
    }

    at(name) { return [this.client.x + centres[name][0], this.client.y + centres[name][1]]; }

    async click(name, count = 1) {
        await this.page.click(...this.at(name), count);
    }

    // Typed again where it did not arrive: the page may take the first click after a
    // message box only to give the main window the keyboard back.
    async typeInto(name, text) {
        for (let attempt = 0; attempt < 3; ++attempt) {
            await this.click(name);
            await this.page.press('a', 2);
            await this.page.type(text);
            if (await holdsWithin(this.page, `${name} to read ${text}`, 3, async () => (await this.read(name)) === text))
                return;
        }
        fail(`typing ${text} into ${name} did not reach it`);
    }

    // A double-click selects the whole number; Ctrl+C puts it on the browser's clipboard,
    // emptied first so that the copy is seen to arrive.
    async read(name) {
        await this.page.evaluate("navigator.clipboard.writeText('')");
        await this.click(name, 2);
        await this.page.press('c', 2);
        let text = '';
        await holdsWithin(this.page, `the copy of ${name}`, 5, async () =>
            (text = await this.page.evaluate('navigator.clipboard.readText()')) !== '');
        return text;
    }

    // Results arrive once the program has handled the click: each is polled for.
    async expect(name, text, what) {
        let got = '';
        await holdsWithin(this.page, `${name} to read ${text}`, 10, async () => (got = await this.read(name)) === text);
        got === text ? pass(`${what}: ${name} reads ${got}`) : fail(`${what}: ${name} reads '${got}', not '${text}'`);
    }

    async calculate() {
        await this.click('Command1');
    }

    // Blue marker pixels within 6 px of the chart point (M, 4fL*/D).
    expectMarker(image, M, F) {
        const [x, y] = chartPoint(this.chart, M, F).map((v) => Math.round(v * this.scale));
        const n = near(image, blue, x, y, 6 * this.scale);
        n > 0 ? pass(`marker at M = ${M}: ${n} blue pixels`) : fail(`no marker at M = ${M}, 4fL*/D = ${F}`);
    }
}

async function machTwo(visit, what, fld4 = '0.305') {
    await visit.click('Option_M');
    await visit.typeInto('Text_Msub', '2');
    await visit.calculate();
    await visit.expect('Text_FLD4', fld4, what);
}

(async () => {
    const server = await serve(site);
    const browser = await Browser.launch({ lang: 'en-US' });
    const errors = [];
    try {
        console.log('the page, in English:');
        const visit = await Visit.open(browser, server.url);
        pass(`the chart drawn ${visit.seconds.toFixed(1)} s after navigation, ${visit.chart.w}x${visit.chart.h} px`);
        await visit.shot('start');
        const { installabilityErrors } = await visit.page.send('Page.getInstallabilityErrors');
        installabilityErrors.length === 0
            ? pass('Chromium can install the page as an app (its manifest, icons and service worker)')
            : fail(`Chromium cannot install the page: ${installabilityErrors.map((e) => e.errorId).join(', ')}`);
        await visit.expect('Text_gama', '1.4', 'at start');

        await machTwo(visit, 'M = 2');
        for (const [box, text] of [['Text_TTstar', '0.6667'], ['Text_PPstar', '0.4082'],
                                   ['Text_RoRostar', '0.6124'], ['Text_PoPostar', '1.6875']])
            await visit.expect(box, text, 'M = 2');
        visit.expectMarker(await visit.shot('mach-2'), 2, 0.3049965);

        // The About menu, just above the client area's top left.
        await visit.page.click(visit.client.x + 20, visit.client.y - 10);
        let about = null;
        await holdsWithin(visit.page, 'the About window', 10, async () => {
            const shot = await visit.shot('about');
            const outside = [{ x: visit.main.x + visit.main.w, y: 0, w: shot.width - visit.main.x - visit.main.w, h: shot.height },
                             { x: 0, y: visit.main.y + visit.main.h, w: shot.width, h: shot.height - visit.main.y - visit.main.h }]
                .filter((r) => r.w > 0 && r.h > 0).map((r) => boxOf(shot, lightYellow, r)).filter(Boolean);
            about = outside.find((r) => r.w >= 200 && r.h >= 100);
            return Boolean(about);
        });
        about ? pass(`the About window is open beside the main window, at ${about.x},${about.y}`)
              : fail('no About window beside the main window');
        // Back to the main window by its title bar, as a visitor does: Qt 6.8's page takes
        // the first click on a window behind another only to raise it. The windows do not
        // overlap, so the raise shows nothing to wait for: the page is given a moment.
        await visit.page.click(visit.client.x + 100, visit.main.y - 12);
        await pause(300);

        await visit.click('Option_FLD4');
        await visit.typeInto('Text_FLD4', '0.5');
        await visit.calculate();
        await visit.expect('Text_Msub', '0.5977', '4fL*/D = 0.5');
        await visit.expect('Text_Msup', '2.8604', '4fL*/D = 0.5');
        const friction = await visit.shot('friction-0.5');
        visit.expectMarker(friction, 0.5977, 0.5);
        visit.expectMarker(friction, 2.8604, 0.5);

        // γ = 1: a modal box over the main window; Return answers its one button, at once
        // or after a click behind it, which nothing there answers.
        await visit.typeInto('Text_gama', '1');
        const before = await visit.shot();
        const region = { x: 0, y: 0, w: before.width, h: before.height };
        for (const clickBehind of [false, true]) {
            await visit.calculate();
            let withBox = null, changed = 0;
            await holdsWithin(visit.page, 'a message box', 10, async () => {
                withBox = await visit.shot(clickBehind ? 'message-box' : undefined);
                changed = differing(before, withBox, region);
                return changed >= 2000;
            });
            if (changed < 2000) {
                fail('γ = 1 brought no message box');
                break;
            }
            pass(`γ = 1: a message box (${changed} pixels changed)`);
            if (clickBehind) {
                // That nothing answers has no moment to wait for: the page is given one.
                await visit.click('Option_M');
                await pause(300);
                differing(withBox, await visit.shot(), region) < 200
                    ? pass('the box is modal: the option behind it did not answer')
                    : fail('a click reached the main window behind the message box');
            }
            await visit.page.press('Enter');
            await holdsWithin(visit.page, 'the message box to close', 10, async () =>
                differing(before, await visit.shot('message-box-closed'), region) < changed / 4);
            differing(before, await visit.shot('message-box-closed'), region) < changed / 4
                ? pass(`Return closed the box${clickBehind ? ' after the click behind it' : ''}`)
                : fail(`the message box is still there after Return${clickBehind ? ' and a click behind it' : ''}`);
        }
        await visit.typeInto('Text_gama', '1.4');
        await machTwo(visit, 'after the box, M = 2');

        // Offline: once the service worker has kept this build, the page needs no server.
        await visit.page.waitFor('the service worker to keep the site', 30, () => visit.page.evaluate(`
            navigator.serviceWorker.ready.then(() => caches.keys()).then(async (names) => {
                for (const name of names)
                    if ((await (await caches.open(name)).keys()).length >= 8) return true;
                return false;
            })`));
        errors.push(...visit.page.errors);
        await server.close();
        await visit.page.reload();
        await visit.findWindow();
        await machTwo(visit, 'offline, M = 2');
        await visit.shot('offline');
        errors.push(...visit.page.errors.filter((e) => !errors.includes(e)));
    } finally {
        await browser.close();
    }

    console.log('in a German browser:');
    const server2 = await serve(site);
    const german = await Browser.launch({ lang: 'de-DE' });
    try {
        const visit = await Visit.open(german, server2.url);
        await machTwo(visit, 'M = 2, German', '0,305');
        await visit.shot('german');
        errors.push(...visit.page.errors);
    } finally {
        await german.close();
    }

    console.log('at devicePixelRatio 2:');
    const sharp = await Browser.launch({ scale: 2 });
    try {
        // Found only where its blank area is at least 480 device pixels wide.
        const visit = await Visit.open(sharp, server2.url, 2);
        pass(`the chart is drawn on ${visit.chart.w * 2}x${visit.chart.h * 2} device pixels`);
        await machTwo(visit, 'M = 2, devicePixelRatio 2');
        const image = await visit.shot('scale-2');
        visit.expectMarker(image, 2, 0.3049965);
        errors.push(...visit.page.errors);
    } finally {
        await sharp.close();
        await server2.close();
    }

    console.log('a site that lacks velmora.wasm:');
    const broken = fs.mkdtempSync(path.join(os.tmpdir(), 'velmora-broken-'));
    fs.cpSync(site, broken, { recursive: true });
    fs.rmSync(path.join(broken, 'velmora.wasm'));
    const server3 = await serve(broken);
    const browser3 = await Browser.launch();
    try {
        const page = await browser3.newPage();
        await page.goto(server3.url);
        await page.waitFor('the page to say what failed', 20, async () =>
            /could not load velmora\.wasm/.test(await page.evaluate("document.getElementById('message').textContent")));
        pass(`the page says: ${await page.evaluate("document.getElementById('message').textContent")}`);
        fs.writeFileSync(path.join(out, 'missing-wasm.png'), await page.screenshot());
    } catch (error) {
        fail(error.message);
    } finally {
        await browser3.close();
        await server3.close();
        fs.rmSync(broken, { recursive: true, force: true });
    }

    errors.length === 0 ? pass('the console shows no error') : fail(`the console shows: ${errors.join(' | ')}`);
    if (failures === 0)
        console.log('check-page: the page as expected');
    process.exit(failures ? 1 : 0);
})().catch((error) => {
    console.error(`check-page: ${error.stack || error}`);
    process.exit(1);
});
