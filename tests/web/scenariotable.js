// data/scenarios.tsv, which the Windows program's check and the screen-reader check read
// too, in the page model's terms: options and boxes by their keys in pagenames.js, the
// locale in the browser's BCP 47 form. No test runner here: the Playwright tests
// (scenarios.js) and the WebKit runner (webkit/run.js) read the same table.
'use strict';
const fs = require('fs');
const path = require('path');
const { controls, optionControls, inputBoxes } = require('./pagenames');

const file = path.resolve(__dirname, '../../data/scenarios.tsv');
const columns = ['name', 'locale', 'gamma', 'option', 'typed', 'message', 'boxes'];

// A malformed line stops the tests at loading, rather than quietly running less.
function parse(text) {
    const found = [];
    text.split('\n').forEach((line, index) => {
        if (line.trim() === '' || line.startsWith('#'))
            return;
        const where = `${file}:${index + 1}`;
        const fields = line.split('\t');
        if (fields.length < columns.length)
            throw new Error(`${where}: ${fields.length} columns, not ${columns.length}`);
        const row = Object.fromEntries(columns.map((column, i) => [column, fields[i] === '-' ? null : fields[i]]));
        for (const column of ['name', 'locale', 'gamma'])
            if (row[column] === null)
                throw new Error(`${where}: no ${column}`);
        if (row.option !== null && !(row.option in optionControls))
            throw new Error(`${where}: no option ${row.option}`);
        if (row.option === null && row.typed !== null)
            throw new Error(`${where}: text typed with no option chosen`);
        const boxes = {};
        for (const pair of (row.boxes ?? '').split(' ').filter(Boolean)) {
            const [, control, value] = pair.match(/^([^=]*)=(.*)$/) ?? [];
            if (!(control in controls))
                throw new Error(`${where}: no box ${control ?? pair}`);
            boxes[controls[control]] = value;
        }
        if (found.some((s) => s.name === row.name))
            throw new Error(`${where}: a second scenario ${row.name}`);
        found.push({
            ...row,
            browserLocale: row.locale === 'C' ? 'en-US' : row.locale.replace('_', '-'),
            option: row.option && optionControls[row.option],
            boxes,
        });
    });
    return found;
}

const scenarios = parse(fs.readFileSync(file, 'utf-8'));

function scenario(name) {
    const found = scenarios.find((s) => s.name === name);
    if (!found)
        throw new Error(`no scenario ${name} in ${file}`);
    return found;
}

// The scenarios for which TEST is true; there must be some, or a table of tests would
// shrink to nothing unnoticed.
function pick(test) {
    const found = scenarios.filter(test);
    if (found.length === 0)
        throw new Error(`no scenario in ${file} fits ${test}`);
    return found;
}

// Types and chooses as the scenario says, on a page model VELMORA (Playwright's or
// WebDriver's: value, enter, choose, calculate), and calculates.
async function enact(velmora, s) {
    if (await velmora.value('gamma') !== s.gamma)
        await velmora.enter('gamma', s.gamma);
    if (s.option) {
        await velmora.choose(s.option);
        if (s.typed !== null)
            await velmora.enter(inputBoxes[s.option], s.typed);
    }
    await velmora.calculate();
}

module.exports = { file, parse, scenarios, scenario, pick, enact };
