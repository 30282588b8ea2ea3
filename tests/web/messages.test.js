// The program's messages: modal dialogs named Velmora with one OK button, what brings
// each of them up, how they close and where focus goes afterwards.
'use strict';
const { test, expect } = require('./fixtures');

const noSupersonic = 'bu 4L*f/D için süpersonik çözüm yok';

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

const triggers = [
    {
        title: 'the button with no option chosen',
        text: 'choose an input parameter',
        act: async (velmora) => velmora.calculate(),
    },
    {
        title: 'option M with the box left blank',
        text: 'Input value then CLICK',
        act: async (velmora) => { await velmora.choose('M'); await velmora.calculate(); },
    },
    {
        title: 'γ of 1 in option M',
        text: 'γ must be greater than 1',
        act: async (velmora) => { await velmora.enter('gamma', '1'); await velmora.run('M', '2'); },
    },
    {
        title: 'γ of 1 in option 4fL*/D',
        text: 'γ must be greater than 1',
        act: async (velmora) => { await velmora.enter('gamma', '1'); await velmora.run('friction', '0.5'); },
    },
];

for (const { title, text, act } of triggers) {
    test(`${title} brings up the message "${text}"`, async ({ page, velmora }) => {
        const shown = await countShownMessages(page);
        await act(velmora);
        await expect(velmora.message).toBeVisible();
        await expect(velmora.message).toContainText(text);
        expect(await velmora.message.evaluate((element) =>
            element.getAttribute('aria-modal') === 'true' || element.matches(':modal'))).toBe(true);
        await expect(velmora.message.getByRole('button')).toHaveText(['OK']);
        await velmora.acknowledge(text);
        expect(await shown()).toBe(1);
    });
}

const closers = [
    ['OK', (velmora) => velmora.message.getByRole('button', { name: 'OK', exact: true }).click()],
    ['Enter', (velmora) => velmora.page.keyboard.press('Enter')],
    ['Escape', (velmora) => velmora.page.keyboard.press('Escape')],
];

for (const [how, close] of closers) {
    test(`${how} closes a message and focus returns to the clicked button`, async ({ velmora }) => {
        await velmora.calculate();
        await expect(velmora.message).toBeVisible();
        await close(velmora);
        await expect(velmora.message).toHaveCount(0);
        await expect(velmora.button).toBeFocused();
    });
}

test('focus returns to the button when the message came from the keyboard', async ({ velmora }) => {
    await velmora.button.focus();
    await velmora.page.keyboard.press('Enter');
    await expect(velmora.message).toBeVisible();
    await velmora.page.keyboard.press('Escape');
    await expect(velmora.message).toHaveCount(0);
    await expect(velmora.button).toBeFocused();
});

test('4fL*/D of 1.0 has no supersonic solution: one message, then **** and the subsonic Mach number',
     async ({ page, velmora }) => {
         const shown = await countShownMessages(page);
         await velmora.run('friction', '1.0');
         await velmora.acknowledge(noSupersonic);
         await expect(velmora.box('supersonic')).toHaveValue('****');
         await expect(velmora.box('mach')).toHaveValue('0.5087');
         expect(await shown()).toBe(1);
     });

test('4fL*/D of -0.5 has no solution on either side: one message, then **** in both boxes',
     async ({ page, velmora }) => {
         const shown = await countShownMessages(page);
         await velmora.run('friction', '-0.5');
         await velmora.acknowledge(noSupersonic);
         await expect(velmora.message).toHaveCount(0);
         expect(await shown()).toBe(1);
         await expect(velmora.box('supersonic')).toHaveValue('****');
         await expect(velmora.box('mach')).toHaveValue('****');
     });
