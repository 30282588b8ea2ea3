// The About window: opened from the menu bar, not modal, placed beside the main window
// (below it on a narrow screen), one at a time, and the same each time it opens.
'use strict';
const { test, expect } = require('./fixtures');
const { layouts } = require('./velmora');

const aboutTexts = [
    'Program for Calculating',
    '1D Frictional Flow Properties',
    'Written by the Velmora authors',
    'March 2006',
    'For comments and questions e-mail to',
    'velmora@example.org',
];

async function openAbout(velmora) {
    await velmora.aboutItem.click();
    await expect(velmora.about).toBeVisible();
}

async function expectAboutTexts(velmora) {
    for (const text of aboutTexts)
        await expect(velmora.about.getByText(text, { exact: false }), text).toBeVisible();
    await expect(velmora.about.getByRole('button', { name: 'Close', exact: true })).toBeVisible();
}

test('About opens a window with the program texts and a Close button', async ({ velmora }) => {
    await openAbout(velmora);
    await expectAboutTexts(velmora);
    expect(await velmora.about.evaluate((element) =>
        element.getAttribute('aria-modal') === 'true' || element.matches(':modal'))).toBe(false);
});

for (const { title, size, beside } of layouts) {
    test.describe(() => {
        test.use({ viewport: size });

        test(`the About window is placed ${title}`, async ({ velmora }) => {
            await openAbout(velmora);
            const main = await velmora.window.boundingBox();
            const about = await velmora.about.boundingBox();
            const right = about.x >= main.x + main.width - 1 || about.x + about.width <= main.x + 1;
            const below = about.y >= main.y + main.height - 1;
            expect({ right, below }).toEqual(beside ? { right: true, below: false } : { right: false, below: true });
        });
    });
}

test('the main window still works while About is open', async ({ velmora }) => {
    await openAbout(velmora);
    await velmora.run('M', '2');
    await expect(velmora.box('friction')).toHaveValue('0.305');
    await expect(velmora.about).toBeVisible();
});

test('choosing About again leaves exactly one About window', async ({ velmora }) => {
    await openAbout(velmora);
    await velmora.aboutItem.click();
    await velmora.aboutItem.click();
    await expect(velmora.about).toHaveCount(1);
    await expect(velmora.about).toBeVisible();
});

test('Close closes About, and About opens again with the same texts', async ({ velmora }) => {
    await openAbout(velmora);
    await velmora.about.getByRole('button', { name: 'Close', exact: true }).click();
    await expect(velmora.about).toHaveCount(0);
    await openAbout(velmora);
    await expectAboutTexts(velmora);
});
