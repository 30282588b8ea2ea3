// The page as it first shows: its title, the main window's controls with their names and
// first texts, the options unchosen and the chart empty.
'use strict';
const { test, expect } = require('./fixtures');
const { Velmora, names, ratioBoxes } = require('./velmora');

test('the page is titled Velmora and holds one main window with a menu bar', async ({ page, velmora }) => {
    await expect(page).toHaveTitle('Velmora');
    await expect(velmora.window).toHaveCount(1);
    await expect(velmora.menubar).toBeVisible();
    await expect(velmora.menubar.getByRole('menuitem')).toHaveText(['About', 'Problems']);
});

// The window comes with the page and shows at once; until the program has bound it, it
// can be neither used nor read out, and the page says that it is loading.
test('before the program runs the window is shown, inert, and the page says it is loading',
     async ({ page, server }) => {
         let release;
         const held = new Promise((resolve) => { release = resolve; });
         await page.route('**/velmora.wasm', async (route) => { await held; await route.continue(); });
         await page.goto(server.url);
         const velmora = new Velmora(page);
         await expect(velmora.box('gamma')).toHaveValue('1.4');
         await expect(page.locator('#windows')).toHaveJSProperty('inert', true);
         await expect(page.getByText('Loading Velmora…')).toBeVisible();
         release();
         await velmora.ready();
         await expect(page.locator('#windows')).toHaveJSProperty('inert', false);
     });

const firstTexts = [
    ['gamma', '1.4'],
    ['mach', '1.153'],
    ['friction', '1'],
    ...ratioBoxes.map((key) => [key, '1']),
];
for (const [key, text] of firstTexts) {
    test(`the box "${names[key]}" shows ${text} at start`, async ({ velmora }) => {
        const box = velmora.box(key);
        await expect(box).toBeVisible();
        await expect(box).toHaveValue(text);
        expect(await box.evaluate((element) => [element.localName, element.type])).toEqual(['input', 'text']);
    });
}

test('the supersonic Mach number box exists but is hidden at start', async ({ velmora }) => {
    await expect(velmora.box('supersonic')).toHaveCount(1);
    await expect(velmora.box('supersonic')).toBeHidden();
});

test('the two input options are offered and neither is chosen', async ({ velmora }) => {
    await expect(velmora.options.getByRole('radio')).toHaveCount(2);
    for (const key of ['M', 'friction']) {
        await expect(velmora.radio(key)).toBeVisible();
        await expect(velmora.radio(key)).not.toBeChecked();
    }
});

test('the button asks for an input option first', async ({ velmora }) => {
    await expect(velmora.window.getByRole('button', { name: 'Coose an Input Option', exact: true })).toBeVisible();
});

test('the chart is an empty picture that says nothing is drawn', async ({ velmora }) => {
    await expect(velmora.chart).toBeVisible();
    await expect(velmora.chart).toHaveAccessibleDescription('Nothing drawn yet');
    // The picture is drawn in SVG: the img is the <svg> itself or holds one.
    expect(await velmora.chart.evaluate((element) =>
        element.localName === 'svg' || element.querySelectorAll('svg').length === 1)).toBe(true);
    await expect(velmora.markers()).toHaveCount(0);
});
