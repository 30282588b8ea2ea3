// The two input options: each shows only its own input box among the result boxes,
// cleared, and the button then asks for a value.
'use strict';
const { test, expect } = require('./fixtures');
const { names, resultBoxes, buttonNames } = require('./velmora');

const modes = [
    { option: 'M', input: 'mach' },
    { option: 'friction', input: 'friction' },
];

// The result boxes shown, by key.
async function shownBoxes(velmora) {
    const shown = [];
    for (const key of resultBoxes)
        if (await velmora.box(key).isVisible())
            shown.push(key);
    return shown;
}

for (const { option, input } of modes) {
    test(`choosing option ${option} shows only the box "${names[input]}", cleared`, async ({ velmora }) => {
        await velmora.choose(option);
        await expect(velmora.box(input)).toHaveValue(' ');
        await expect.poll(() => shownBoxes(velmora)).toEqual([input]);
        await expect(velmora.box('gamma')).toBeVisible();
        await expect(velmora.box('gamma')).toHaveValue('1.4');
    });
}

test('the button is renamed once an option is chosen', async ({ velmora }) => {
    await velmora.choose('M');
    await expect(velmora.window.getByRole('button', { name: buttonNames.ready, exact: true })).toBeVisible();
    await expect(velmora.window.getByRole('button', { name: buttonNames.start, exact: true })).toHaveCount(0);
});

test('switching options moves the single shown box and unchecks the other option', async ({ velmora }) => {
    await velmora.choose('M');
    await velmora.choose('friction');
    await expect(velmora.radio('M')).not.toBeChecked();
    await expect.poll(() => shownBoxes(velmora)).toEqual(['friction']);
    await velmora.choose('M');
    await expect(velmora.radio('friction')).not.toBeChecked();
    await expect.poll(() => shownBoxes(velmora)).toEqual(['mach']);
});
