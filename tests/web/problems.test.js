// The Fanno problems window: opened from the menu bar, not modal, one at a time, placed
// beside the main window (below it on a narrow screen); what the page adds to its rules
// (which the recording window's suite tests): its controls found by role and name, the
// published examples solved through them, its messages the main window's, and nothing of
// the main window changed.
'use strict';
const { test, expect } = require('./fixtures');
const { solves } = require('./problemcases');
const { layouts } = require('./velmora');

const problemsTitle = 'Fanno problems';

async function openProblems(velmora) {
    await velmora.problemsItem.click();
    await expect(velmora.problems.window).toBeVisible();
    return velmora.problems;
}

for (const { title, act, boxes, marked, markers } of solves) {
    test(`the window gives ${title}`, async ({ velmora }) => {
        const problems = await openProblems(velmora);
        await act(problems);
        await problems.expectBoxes(boxes);
        await expect(problems.chart).toHaveAccessibleDescription(marked);
        await expect(problems.chart.locator('circle')).toHaveCount(markers);
        await expect(velmora.message).toHaveCount(0);
    });
}

test('the window opens with γ 1.4, not modal, and the menu brings the same one back', async ({ velmora }) => {
    const problems = await openProblems(velmora);
    await expect(problems.box('Ratio of specific heats γ')).toHaveValue('1.4');
    expect(await problems.known.evaluate((choice) => choice.selectedIndex), 'the first entry chosen').toBe(0);
    expect(await problems.window.evaluate((element) =>
        element.getAttribute('aria-modal') === 'true' || element.matches(':modal'))).toBe(false);
    await problems.box('Known value').fill('2');
    await velmora.problemsItem.click();
    await velmora.problemsItem.click();
    await expect(velmora.page.getByRole('dialog', { name: problemsTitle })).toHaveCount(1);
    await expect(problems.box('Known value')).toHaveValue('2');
    // The main window stays usable beside it.
    await velmora.run('M', '2');
    await expect(velmora.box('friction')).toHaveValue('0.305');
    await expect(problems.window).toBeVisible();
});

test('Close closes the window, and Problems opens it again as it was left', async ({ velmora }) => {
    const problems = await openProblems(velmora);
    await problems.solve('M', '2');
    await expect(problems.box('4fL*/D')).toHaveValue('0.305');
    await problems.button('Close').click();
    await expect(problems.window).toHaveCount(0);
    await openProblems(velmora);
    await expect(problems.box('Known value')).toHaveValue('2');
    await expect(problems.box('4fL*/D')).toHaveValue('0.305');
    await expect(problems.chart.locator('circle')).toHaveCount(1);
});

test('a duct that chokes brings up one Velmora message and leaves no outlet number', async ({ velmora }) => {
    const problems = await openProblems(velmora);
    await problems.solveDuct('0.3', '4');
    await expect(problems.box('M2')).toHaveValue('0.4744');
    const shown = await velmora.countShownMessages();
    await problems.solveDuct('0.3', '6');
    await velmora.acknowledge('The duct chokes: for M1 = 0.3 the longest 4fL/D is 5.2993');
    expect(await shown()).toBe(1);
    for (const name of ['M2', 'p2/p1', 'T2/T1', 'ρ2/ρ1', 'V2/V1', 'p02/p01', '(s2-s1)/R'])
        await expect(problems.box(name), name).toHaveValue('');
    await expect(problems.button('Solve duct')).toBeFocused();
});

test('nothing the main window shows changes while the window solves', async ({ velmora }) => {
    await velmora.run('M', '2');
    await expect(velmora.box('friction')).toHaveValue('0.305');
    const before = await velmora.mainWindowState();
    const problems = await openProblems(velmora);
    await problems.box('Ratio of specific heats γ').fill('1.3');
    await problems.solve('T/T*', '1.1');
    await expect(problems.box('M')).not.toHaveValue('');
    await problems.solveDuct('0.3', '6');
    await velmora.message.getByRole('button', { name: 'OK', exact: true }).click();
    await problems.chart.click();
    await expect(problems.chart).toHaveAccessibleDescription(/marked: M = 1,/);
    expect(await velmora.mainWindowState()).toEqual(before);
});

// The focus goes down the first section, then down the duct's, then to the chart.
test('Tab goes down each section in turn, to every box, choice and button', async ({ page, velmora }) => {
    const problems = await openProblems(velmora);
    await problems.box('Ratio of specific heats γ').focus();
    const stops = [];
    for (let step = 0; step < 40; ++step) {
        const stop = await page.evaluate(() => {
            const e = document.activeElement;
            const box = e.getBoundingClientRect();
            return { name: e.getAttribute('aria-label') || e.textContent, x: box.x, y: box.y };
        });
        stops.push(stop);
        if (stop.name === '4fL*/D against Mach number')
            break;
        await page.keyboard.press('Tab');
    }
    const names = stops.map((s) => s.name);
    for (const name of ['Known quantity', 'Known value', 'Solve', 'M', '(s*-s)/R', 'Inlet Mach number M1',
        'Duct 4fL/D', 'Solve duct', 'M2', 'Longest duct 4fL*/D', '4fL*/D against Mach number'])
        expect(names, name).toContain(name);
    // Within a section the stops only go down; the next section starts right of or below it.
    const duct = names.indexOf('Inlet Mach number M1');
    for (const section of [stops.slice(1, duct), stops.slice(duct, -1)])
        for (let i = 1; i < section.length; ++i)
            expect(section[i].y, `${section[i - 1].name} → ${section[i].name}`).toBeGreaterThan(section[i - 1].y);
    expect(stops[duct].x > stops[duct - 1].x || stops[duct].y > stops[duct - 1].y).toBe(true);
});

for (const { title, size, beside } of layouts) {
    test.describe(() => {
        test.use({ viewport: size });

        test(`the window is placed ${title}, its width in view`, async ({ page, velmora }) => {
            const problems = await openProblems(velmora);
            const main = await velmora.window.boundingBox();
            const box = await problems.window.boundingBox();
            const right = box.x >= main.x + main.width - 1;
            const below = box.y >= main.y + main.height - 1;
            expect({ right, below }).toEqual(beside ? { right: true, below: false } : { right: false, below: true });
            const widths = await page.evaluate(() => ({
                scroll: document.documentElement.scrollWidth, inner: window.innerWidth }));
            expect(widths.scroll).toBeLessThanOrEqual(widths.inner);
        });

        // Where a narrow screen shows the drawing smaller, its caption keeps its place.
        test(`${title}, a click on the chart's caption runs nothing and one on the chart marks M = 1`, async ({ velmora }) => {
            const problems = await openProblems(velmora);
            await problems.solve('M', '2');
            const marked = 'γ = 1.4; marked: M = 2, 4fL*/D = 0.305';
            await expect(problems.chart).toHaveAccessibleDescription(marked);
            const caption = problems.chart.getByText('4 f L*/D', { exact: true });
            const place = await caption.boundingBox();
            for (const [x, y] of [[1, 1], [place.width - 2, place.height - 2]])
                await caption.click({ position: { x, y } });
            await expect(problems.chart).toHaveAccessibleDescription(marked);
            const chart = await problems.chart.boundingBox();
            await problems.chart.click({ position: { x: chart.width / 2, y: chart.height - 10 } });
            await expect(problems.chart).toHaveAccessibleDescription('γ = 1.4; marked: M = 1, 4fL*/D = 0');
        });
    });
}
