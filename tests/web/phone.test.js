// On a phone (390×844 CSS pixels, three device pixels each, touch): the main window fits
// with no sideways scrolling, taps work, and typing as an on-screen keyboard does gives
// the same results.
'use strict';
const { devices } = require('@playwright/test');
const { test, expect } = require('./fixtures');
const { defaultBrowserType, ...pixel7 } = devices['Pixel 7'];

test.use({
    ...pixel7,
    viewport: { width: 390, height: 844 },
    deviceScaleFactor: 3,
    isMobile: true,
    hasTouch: true,
});

test('the whole main window is in view with no sideways scrolling', async ({ page, velmora }) => {
    await expect(velmora.window).toBeInViewport({ ratio: 1 });
    const widths = await page.evaluate(() => ({
        scroll: document.documentElement.scrollWidth, inner: window.innerWidth }));
    expect(widths.scroll).toBeLessThanOrEqual(widths.inner);
});

// Taps a box, selects its text and types TEXT as an on-screen keyboard does.
async function typeOnScreen(velmora, key, text) {
    const box = velmora.box(key);
    await box.tap();
    await box.selectText();
    await velmora.page.keyboard.insertText(text);
}

const cases = [
    { option: 'M', input: 'mach', text: '2', boxes: { friction: '0.305', pressure: '0.4082' } },
    { option: 'friction', input: 'friction', text: '0.5', boxes: { mach: '0.5977', supersonic: '2.8604' } },
];
for (const c of cases) {
    test(`tapping option ${c.option} and typing ${c.text} on screen gives the results`, async ({ velmora }) => {
        await velmora.radio(c.option).tap();
        await expect(velmora.radio(c.option)).toBeChecked();
        await typeOnScreen(velmora, c.input, c.text);
        await expect(velmora.box(c.input)).toHaveValue(c.text);
        await velmora.button.tap();
        for (const [key, text] of Object.entries(c.boxes))
            await expect(velmora.box(key), key).toHaveValue(text);
    });
}

test('a message can be closed with a tap', async ({ velmora }) => {
    await velmora.button.tap();
    await expect(velmora.message).toContainText('choose an input parameter');
    await velmora.message.getByRole('button', { name: 'OK', exact: true }).tap();
    await expect(velmora.message).toHaveCount(0);
});

test('About opens with a tap and closes with a tap', async ({ velmora }) => {
    await velmora.aboutItem.tap();
    await expect(velmora.about).toBeVisible();
    await velmora.about.getByRole('button', { name: 'Close', exact: true }).tap();
    await expect(velmora.about).toHaveCount(0);
});
