// Calculations with γ = 1.4 in both input options: the result boxes, the chart's markers
// and description, and what the live region announces.
'use strict';
const { test, expect } = require('./fixtures');
const { ratioBoxes } = require('./velmora');

const cases = [
    {
        title: 'Mach number 2',
        option: 'M', input: '2',
        boxes: { friction: '0.305', temperature: '0.6667', pressure: '0.4082', density: '0.6124', stagnation: '1.6875' },
        supersonicShown: false, markers: 1,
    },
    {
        title: '4fL*/D 0.5',
        option: 'friction', input: '0.5',
        boxes: { mach: '0.5977', supersonic: '2.8604' },
        supersonicShown: true, markers: 2,
    },
];

for (const c of cases) {
    test(`${c.title} gives the results, the ratio boxes and ${c.markers} marker(s)`, async ({ velmora }) => {
        await velmora.run(c.option, c.input);
        for (const [key, text] of Object.entries(c.boxes))
            await expect(velmora.box(key), key).toHaveValue(text);
        for (const key of ratioBoxes)
            await expect(velmora.box(key), key).toBeVisible();
        if (c.supersonicShown)
            await expect(velmora.box('supersonic')).toBeVisible();
        else
            await expect(velmora.box('supersonic')).toBeHidden();
        await expect(velmora.markers()).toHaveCount(c.markers);
    });
}

test('the 4fL*/D option leaves the ratio boxes with the texts of the last M calculation', async ({ velmora }) => {
    await velmora.run('M', '2');
    await expect(velmora.box('friction')).toHaveValue('0.305');
    const before = {};
    for (const key of ratioBoxes)
        before[key] = await velmora.box(key).inputValue();
    await velmora.run('friction', '0.5');
    await expect(velmora.box('mach')).toHaveValue('0.5977');
    for (const key of ratioBoxes) {
        await expect(velmora.box(key), key).toBeVisible();
        await expect(velmora.box(key), key).toHaveValue(before[key]);
    }
});

test('the chart draws a red curve and blue markers and describes the mark', async ({ velmora }) => {
    await velmora.run('M', '2');
    await expect(velmora.chart).toHaveAccessibleDescription('γ = 1.4; marked: M = 2, 4fL*/D = 0.305');
    await expect(velmora.markers()).toHaveCount(1);
    const strokes = (locator) => locator.evaluateAll((elements) => elements.map((e) => getComputedStyle(e).stroke));
    expect(await strokes(velmora.markers())).toEqual(['rgb(0, 0, 255)']);
    const curve = await strokes(velmora.curve());
    expect(curve).toContain('rgb(255, 0, 0)');
});

test('a click on the chart redraws it with M = 1 marked', async ({ velmora }) => {
    await velmora.run('M', '2');
    await expect(velmora.markers()).toHaveCount(1);
    await velmora.chart.click();
    await expect(velmora.chart).toHaveAccessibleDescription('γ = 1.4; marked: M = 1, 4fL*/D = 0');
    await expect(velmora.markers()).toHaveCount(1);
});

test('the live region announces each calculation once, with its results', async ({ page, velmora }) => {
    // Records each text the live region takes on, whenever it changes to a non-empty one.
    await velmora.status.evaluate((status) => {
        window.velmoraAnnouncements = [];
        new MutationObserver(() => {
            const text = status.textContent.trim();
            if (text && text !== window.velmoraAnnouncements.at(-1))
                window.velmoraAnnouncements.push(text);
        }).observe(status, { childList: true, subtree: true, characterData: true });
    });
    const announcements = () => page.evaluate(() => window.velmoraAnnouncements);
    await velmora.run('M', '2');
    await expect.poll(announcements).toHaveLength(1);
    expect((await announcements())[0]).toContain('0.305');
    await velmora.run('friction', '0.5');
    await expect.poll(announcements).toHaveLength(2);
    expect((await announcements())[1]).toContain('0.5977');
    expect((await announcements())[1]).toContain('2.8604');
});
