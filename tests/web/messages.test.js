// The program's messages: modal dialogs named Velmora with one OK button, what brings
// each of them up, how they close and where focus goes afterwards.
'use strict';
const { test, expect } = require('./fixtures');
const { pick, enact, expectBoxes } = require('./scenarios');

// Counts how many times a message dialog is shown from now on, even when one closes and
// the next opens within the same task (native <dialog> gets `open`; others lose `hidden`
// or are added).
async function countShownMessages(page) {
    await page.evaluate(() => {
        window.velmoraShown = 0;
        const isDialog = (node) => node.nodeType === 1
            && (node.localName === 'dialog' || node.getAttribute('role') === 'dialog');
        new MutationObserver((records) => {
            for (const r of records) {
                if (r.type === 'childList') {
                    for (const node of r.addedNodes)
                        if (isDialog(node) && !node.hidden && (node.localName !== 'dialog' || node.open))
                            ++window.velmoraShown;
                } else if (isDialog(r.target)) {
                    const now = r.target.getAttribute(r.attributeName);
                    if (r.attributeName === 'open' && r.oldValue === null && now !== null)
                        ++window.velmoraShown;
                    if (r.attributeName === 'hidden' && r.oldValue !== null && now === null)
                        ++window.velmoraShown;
                }
            }
        }).observe(document.body, { subtree: true, childList: true, attributes: true,
                                    attributeOldValue: true, attributeFilter: ['open', 'hidden'] });
    });
    return () => page.evaluate(() => window.velmoraShown);
}

// Each brings up its message exactly once; the boxes are checked once it is closed.
const triggers = pick((s) => s.locale === 'C' && s.message !== null);

for (const s of triggers) {
    test(`${s.name} brings up the message "${s.message}"`, async ({ page, velmora }) => {
        const shown = await countShownMessages(page);
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
    test(`${how} closes a message, focus returns to the clicked button and the next message shows`, async ({ page, velmora }) => {
        const shown = await countShownMessages(page);
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
