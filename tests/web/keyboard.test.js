// The keyboard alone: Tab from the γ box reaches the options and the button, focus can
// always be seen, and arrow keys move between the options and switch the mode.
'use strict';
const { test, expect } = require('./fixtures');

// Whether the focused element shows a focus ring: an outline or a box shadow.
function focusShown() {
    const element = document.activeElement;
    if (!element || element === document.body)
        return false;
    const style = getComputedStyle(element);
    const outline = style.outlineStyle !== 'none' && parseFloat(style.outlineWidth) > 0;
    return outline || (style.boxShadow !== 'none' && style.boxShadow !== '');
}

test('Tab from the γ box reaches the options and the button, with focus always shown', async ({ page, velmora }) => {
    const targets = {
        gamma: velmora.box('gamma'),
        option: velmora.options.getByRole('radio'),
        button: velmora.button,
    };
    await targets.gamma.focus();
    await page.keyboard.press('Tab');
    await page.keyboard.press('Shift+Tab');
    await expect(targets.gamma).toBeFocused();
    expect(await page.evaluate(focusShown), 'focus shown on the γ box').toBe(true);
    const reached = new Set();
    for (let step = 1; step <= 20 && reached.size < 2; ++step) {
        await page.keyboard.press('Tab');
        const where = await page.evaluate(() => {
            const e = document.activeElement;
            return `${e.localName} ${e.getAttribute('role') || e.type || ''} "${e.getAttribute('aria-label') || e.labels?.[0]?.textContent || e.textContent}"`;
        });
        expect(await page.evaluate(focusShown), `focus shown at Tab ${step} (${where})`).toBe(true);
        for (const key of ['option', 'button'])
            if (await targets[key].evaluateAll((elements) => elements.includes(document.activeElement)))
                reached.add(key);
    }
    expect([...reached].sort()).toEqual(['button', 'option']);
});

test('arrow keys move the option and switch the mode', async ({ page, velmora }) => {
    await velmora.choose('M');
    await expect(velmora.radio('M')).toBeFocused();
    await page.keyboard.press('ArrowDown');
    await expect(velmora.radio('friction')).toBeChecked();
    await expect(velmora.radio('friction')).toBeFocused();
    await expect(velmora.radio('M')).not.toBeChecked();
    await expect(velmora.box('friction')).toBeVisible();
    await expect(velmora.box('friction')).toHaveValue(' ');
    await expect(velmora.box('mach')).toBeHidden();
    await page.keyboard.press('ArrowUp');
    await expect(velmora.radio('M')).toBeChecked();
    await expect(velmora.box('mach')).toBeVisible();
    await expect(velmora.box('friction')).toBeHidden();
});

// As on the desktop, the button is no default one: Return presses nothing, Space presses it.
test('Return on the focused button presses nothing, and Space presses it', async ({ page, velmora, browserName }) => {
    test.skip(browserName === '_bidiFirefox',
        'headless Firefox over BiDi: the page has no system focus, so no key presses a focused button');
    await velmora.choose('M');
    await velmora.box('mach').fill('2');
    await velmora.button.focus();
    await page.keyboard.press('Enter');
    await expect(velmora.box('friction')).toHaveValue('1');
    await expect(velmora.message).toHaveCount(0);
    await page.keyboard.press('Space');
    await expect(velmora.box('friction')).toHaveValue('0.305');
});

test('a calculation can be run from the keyboard alone', async ({ page, velmora, browserName }) => {
    test.skip(browserName === '_bidiFirefox',
        'headless Firefox over BiDi: the page has no system focus, so Space does not press a focused button');
    await velmora.box('gamma').focus();
    const pressUntil = async (locator) => {
        for (let step = 0; step < 20; ++step) {
            await page.keyboard.press('Tab');
            if (await locator.evaluate((element) => element === document.activeElement))
                return;
        }
        throw new Error('Tab never reached it');
    };
    await pressUntil(velmora.radio('M'));
    await page.keyboard.press('Space');
    await expect(velmora.radio('M')).toBeChecked();
    await pressUntil(velmora.box('mach'));
    await page.keyboard.press('ControlOrMeta+a');
    await page.keyboard.type('2');
    await pressUntil(velmora.button);
    await page.keyboard.press('Space');
    await expect(velmora.box('friction')).toHaveValue('0.305');
});
