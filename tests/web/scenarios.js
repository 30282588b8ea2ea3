// The scenarios of data/scenarios.tsv (read in scenariotable.js) enacted and checked on
// the page model of velmora.js.
'use strict';
const { expect } = require('@playwright/test');
const { inputBoxes } = require('./pagenames');
const { scenarios, scenario, pick } = require('./scenariotable');

// Types and chooses as the scenario says, on the page model VELMORA, and calculates.
async function enact(velmora, s) {
    if (await velmora.box('gamma').inputValue() !== s.gamma)
        await velmora.enter('gamma', s.gamma);
    if (s.option) {
        await velmora.choose(s.option);
        if (s.typed !== null)
            await velmora.enter(inputBoxes[s.option], s.typed);
    }
    await velmora.calculate();
}

async function expectBoxes(velmora, s) {
    for (const [key, text] of Object.entries(s.boxes))
        await expect(velmora.box(key), `${s.name}: ${key}`).toHaveValue(text);
}

module.exports = { scenarios, scenario, pick, enact, expectBoxes };
