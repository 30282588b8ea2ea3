// axe-core finds no violation in the page's main states.
'use strict';
const AxeBuilder = require('@axe-core/playwright').default;
const { test, expect } = require('./fixtures');
const { Velmora } = require('./velmora');

const states = [
    { title: 'at start', reach: async () => {} },
    { title: 'after M = 2', reach: async (velmora) => {
        await velmora.run('M', '2');
        await expect(velmora.box('friction')).toHaveValue('0.305');
    } },
    { title: 'with the About window open', reach: async (velmora) => {
        await velmora.aboutItem.click();
        await expect(velmora.about).toBeVisible();
    } },
    { title: 'with the Fanno problems window open after a duct', reach: async (velmora) => {
        await velmora.problemsItem.click();
        await velmora.problems.solveDuct('0.3', '4');
        await expect(velmora.problems.box('M2')).toHaveValue('0.4744');
    } },
    { title: 'with a message open', reach: async (velmora) => {
        await velmora.calculate();
        await expect(velmora.message).toBeVisible();
    } },
];

for (const { title, reach } of states) {
    test(`axe finds no violation ${title}`, async ({ newPage, server }) => {
        const page = await newPage();
        const velmora = new Velmora(page);
        await velmora.open(server.url);
        await reach(velmora);
        const results = await new AxeBuilder({ page }).analyze();
        const violations = results.violations.map((v) =>
            `${v.id} (${v.impact}): ${v.help} at ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`);
        expect(violations).toEqual([]);
    });
}
