// The scenarios of data/scenarios.tsv (read in scenariotable.js) enacted and checked on
// the page model of velmora.js.
'use strict';
const { expect } = require('@playwright/test');
const { scenarios, scenario, pick, enact } = require('./scenariotable');

async function expectBoxes(velmora, s) {
    for (const [key, text] of Object.entries(s.boxes))
        await expect(velmora.box(key), `${s.name}: ${key}`).toHaveValue(text);
}

module.exports = { scenarios, scenario, pick, enact, expectBoxes };
