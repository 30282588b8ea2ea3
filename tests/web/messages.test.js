// The program's messages: modal dialogs named Velmora with one OK button, what brings
// each of them up, how they close and where focus goes afterwards.
'use strict';
const { test, expect } = require('./fixtures');
const { pick, enact, expectBoxes } = require('./scenarios');

// Each brings up its message exactly once; the boxes are checked once it is closed.
const triggers = pick((s) => s.locale === 'C' && s.message !== null);

for (const s of triggers) {
    test(`${s.name} brings up the message "${s.message}"`, async ({ velmora }) => {
        const shown = await velmora.countShownMessages();
        await enact(velmora, s);
        await expect(velmora.message).toBeVisible();
        await expect(velmora.message).toContainText(s.message);
        expect(await velmora.message.evaluate((element) =>
            element.getAttribute('aria-modal') === 'true' || element.matches(':modal'))).toBe(true);
        await expect(velmora.message.getByRole('button')).toHaveText(['OK']);
        await velmora.acknowledge(s.message);
        expect(await shown()).toBe(1);
        await expectBoxes(velmora, s);
    });
}

const closers = [
    ['OK', (velmora) => velmora.message.getByRole('button', { name: 'OK', exact: true }).click()],
    ['Enter', (velmora) => velmora.page.keyboard.press('Enter')],
    ['Escape', (velmora) => velmora.page.keyboard.press('Escape')],
    // What a phone's back gesture or the browser's own close request does: the dialog shuts
    // past the program.
    ['the browser', (velmora) => velmora.message.evaluate((dialog) => dialog.close())],
];

for (const [how, close] of closers) {
    test(`${how} closes a message, focus returns to the clicked button and the next message shows`, async ({ velmora }) => {
        const shown = await velmora.countShownMessages();
        await velmora.calculate();
        await expect(velmora.message).toBeVisible();
        await close(velmora);
        await expect(velmora.message).toHaveCount(0);
        await expect(velmora.button).toBeFocused();
        await velmora.calculate();
        await expect(velmora.message).toBeVisible();
        expect(await shown()).toBe(2);
    });
}

test('focus returns to the button when the message came from the keyboard', async ({ velmora }) => {
    await velmora.button.focus();
    await velmora.page.keyboard.press('Space');
    await expect(velmora.message).toBeVisible();
    await velmora.page.keyboard.press('Escape');
    await expect(velmora.message).toHaveCount(0);
    await expect(velmora.button).toBeFocused();
});
