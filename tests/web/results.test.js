// Calculations with γ = 1.4 in both input options: the result boxes, the chart's markers
// and description, and what the live region announces.
'use strict';
const { test, expect } = require('./fixtures');
const { ratioBoxes } = require('./velmora');
const { scenario, pick, enact, expectBoxes } = require('./scenarios');

// The calculations with results and no message.
const cases = pick((s) => s.locale === 'C' && s.option && s.message === null);

for (const s of cases) {
    // Option 4fL*/D shows and marks both Mach numbers, subsonic and supersonic.
    const both = s.option === 'friction';
    const markers = both ? 2 : 1;

    test(`${s.name} gives the results, the ratio boxes and ${markers} marker(s)`, async ({ velmora }) => {
        await enact(velmora, s);
        await expectBoxes(velmora, s);
        for (const key of ratioBoxes)
            await expect(velmora.box(key), key).toBeVisible();
        if (both)
            await expect(velmora.box('supersonic')).toBeVisible();
        else
            await expect(velmora.box('supersonic')).toBeHidden();
        await expect(velmora.markers()).toHaveCount(markers);
    });
}

test('the 4fL*/D option leaves the ratio boxes with the texts of the last M calculation', async ({ velmora }) => {
    await enact(velmora, scenario('mach-2'));
    await expectBoxes(velmora, scenario('mach-2'));
    const before = {};
    for (const key of ratioBoxes)
        before[key] = await velmora.box(key).inputValue();
    await enact(velmora, scenario('friction-0.5'));
    await expectBoxes(velmora, scenario('friction-0.5'));
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

test('a click on the chart redraws it with M = 1 marked; one on its caption runs nothing', async ({ velmora }) => {
    await velmora.run('M', '2');
    await expect(velmora.markers()).toHaveCount(1);
    await velmora.chart.getByText('4 f L*/D', { exact: true }).click();
    await expect(velmora.chart).toHaveAccessibleDescription('γ = 1.4; marked: M = 2, 4fL*/D = 0.305');
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
    const calculations = [scenario('mach-2'), scenario('friction-0.5')];
    for (const [index, s] of calculations.entries()) {
        await enact(velmora, s);
        await expect.poll(announcements).toHaveLength(index + 1);
        for (const text of Object.values(s.boxes))
            expect((await announcements())[index], s.name).toContain(text);
    }
});
