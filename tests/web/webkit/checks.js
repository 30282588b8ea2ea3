// The page tests of ../*.test.js as WebDriver can run them in WebKitGTK, under the same
// titles; each scenario of data/scenarios.tsv on a desktop-sized page and on a phone's
// (390×844). What WebDriver cannot do there is listed with the reason.
'use strict';
const assert = require('assert');
const fs = require('fs');
const { By, Key } = require('selenium-webdriver');
const { names, ratioBoxes, resultBoxes, inputBoxes, buttonNames } = require('../pagenames');
const { scenarios, scenario, pick, enact } = require('../scenariotable');
const { solves } = require('../problemcases');
const { until, untilEqual } = require('./page');

const desktop = { width: 1280, height: 800 };
const phone = { width: 390, height: 844 };
const checks = [];

// TITLE as the Playwright test is named; OPTIONS: locale (BCP 47), size, skip (a reason),
// serves (the check serves the site itself), allowErrors.
function check(title, run, options = {}) {
    checks.push({ title, run, locale: 'en-US', size: desktop, ...options });
}

// Measured with WebKitGTK 2.50: a touch pointer's actions arrive as a mouse's.
const noTouch = 'WebKitGTK\'s WebDriver delivers a touch pointer as a mouse (no touch events, '
    + 'maxTouchPoints 0), so a tap is a click: the scenarios run with clicks on a phone-sized page';

async function expectBoxes(velmora, s) {
    for (const [key, text] of Object.entries(s.boxes))
        await untilEqual(() => velmora.value(key), text, `${s.name}: ${key}`);
}

// As messages.test.js: counts the message dialogs shown from now on.
const countShown = `window.velmoraShown = 0;
    new MutationObserver((records) => {
        for (const r of records)
            if (r.target.localName === 'dialog' && r.oldValue === null && r.target.open)
                ++window.velmoraShown;
    }).observe(document.body, { subtree: true, attributes: true, attributeOldValue: true,
                                attributeFilter: ['open'] });`;

async function isModal(driver, element) {
    return driver.executeScript(`return arguments[0].getAttribute('aria-modal') === 'true'
        || arguments[0].matches(':modal')`, element);
}

// --- Every scenario, as results, locale, messages and phone tests have them ----------------

for (const size of [desktop, phone]) {
    const where = size === phone ? ' on a phone-sized page' : '';
    for (const s of scenarios) {
        const markers = s.option === 'friction' ? 2 : 1;
        const title = s.message !== null ? `${s.name} brings up the message "${s.message}"`
            : s.locale !== 'C' ? `${s.name} gives its results in ${s.browserLocale}`
                : `${s.name} gives the results, the ratio boxes and ${markers} marker(s)`;
        check(title + where, async ({ velmora, driver }) => {
            await driver.executeScript(countShown);
            await enact(velmora, s);
            if (s.message !== null) {
                const message = await until(() => velmora.message(), 'a message is shown');
                assert.strictEqual(await isModal(driver, message), true, 'the message is modal');
                const buttons = await velmora.all('button', undefined, { scope: message });
                assert.deepStrictEqual(await Promise.all(buttons.map((b) => b.getText())), ['OK']);
                await velmora.acknowledge(s.message);
                assert.strictEqual(await driver.executeScript('return window.velmoraShown'), 1);
            }
            await expectBoxes(velmora, s);
            if (s.message !== null || s.locale !== 'C')
                return;
            assert.strictEqual(await velmora.message(), null, 'no message');
            for (const key of ratioBoxes)
                assert.strictEqual(await velmora.shown(key), true, `${key} shown`);
            assert.strictEqual(await velmora.shown('supersonic'), markers === 2, 'supersonic box shown');
            await untilEqual(async () => (await velmora.markers()).length, markers, 'markers');
        }, { locale: s.browserLocale, size });
    }
}

// --- start.test.js ----------------------------------------------------------------------

check('the page is titled Velmora and holds one main window with a menu bar', async ({ velmora, driver }) => {
    assert.strictEqual(await driver.getTitle(), 'Velmora');
    assert.strictEqual((await velmora.all('region', 'Velmora')).length, 1);
    const menubar = await velmora.one('menubar', undefined, { scope: await velmora.window() });
    const items = await velmora.all('menuitem', undefined, { scope: menubar });
    assert.deepStrictEqual(await Promise.all(items.map((item) => item.getText())), ['About', 'Problems']);
});

// WebDriver cannot hold the page's request: the server holds its answer instead.
check('before the program runs the window is shown, inert, and the page says it is loading',
      async ({ velmora, driver, serveSite }) => {
          const server = await serveSite({ hold: 'velmora.wasm' });
          await driver.get(server.url);
          const inert = () => driver.executeScript('return document.getElementById("windows").inert');
          assert.strictEqual(await velmora.value('gamma'), '1.4');
          assert.strictEqual(await inert(), true);
          assert.ok((await driver.findElement(By.css('body')).getText()).includes('Loading Velmora…'));
          server.release();
          await velmora.ready();
          assert.strictEqual(await inert(), false);
      }, { serves: true });

const firstTexts = [['gamma', '1.4'], ['mach', '1.153'], ['friction', '1'], ...ratioBoxes.map((key) => [key, '1'])];
for (const [key, text] of firstTexts) {
    check(`the box "${names[key]}" shows ${text} at start`, async ({ velmora, driver }) => {
        const box = await velmora.box(key, { hidden: false });
        assert.strictEqual(await box.getProperty('value'), text);
        assert.deepStrictEqual(await driver.executeScript('return [arguments[0].localName, arguments[0].type]', box),
                               ['input', 'text']);
    });
}

check('the supersonic Mach number box exists but is hidden at start', async ({ velmora }) => {
    assert.strictEqual(await velmora.shown('supersonic'), false);
});

check('the two input options are offered and neither is chosen', async ({ velmora }) => {
    const group = await velmora.one('radiogroup', 'Input options', { scope: await velmora.window() });
    assert.strictEqual((await velmora.all('radio', undefined, { scope: group })).length, 2);
    for (const key of ['M', 'friction'])
        assert.strictEqual(await (await velmora.radio(key)).isSelected(), false, key);
});

check('the button asks for an input option first', async ({ velmora }) => {
    await velmora.one('button', buttonNames.start, { scope: await velmora.window() });
});

check('the chart is an empty picture that says nothing is drawn', async ({ velmora, driver }) => {
    const chart = await velmora.chart();
    assert.strictEqual(await velmora.description(chart), 'Nothing drawn yet');
    assert.strictEqual(await driver.executeScript(`return arguments[0].localName === 'svg'
        || arguments[0].querySelectorAll('svg').length === 1`, chart), true);
    assert.strictEqual((await velmora.markers()).length, 0);
});

// --- modes.test.js ----------------------------------------------------------------------

async function shownBoxes(velmora) {
    const shown = [];
    for (const key of resultBoxes)
        if (await velmora.shown(key))
            shown.push(key);
    return shown;
}

for (const [option, input] of Object.entries(inputBoxes)) {
    check(`choosing option ${option} shows only the box "${names[input]}", cleared`, async ({ velmora }) => {
        await velmora.choose(option);
        await untilEqual(() => velmora.value(input), ' ', input);
        await untilEqual(() => shownBoxes(velmora), [input], 'the result boxes shown');
        assert.strictEqual(await velmora.shown('gamma'), true);
        assert.strictEqual(await velmora.value('gamma'), '1.4');
    });
}

check('the button is renamed once an option is chosen', async ({ velmora }) => {
    await velmora.choose('M');
    const window = await velmora.window();
    await velmora.one('button', buttonNames.ready, { scope: window });
    assert.strictEqual((await velmora.all('button', buttonNames.start, { scope: window })).length, 0);
});

check('switching options moves the single shown box and unchecks the other option', async ({ velmora }) => {
    await velmora.choose('M');
    await velmora.choose('friction');
    assert.strictEqual(await (await velmora.radio('M')).isSelected(), false);
    await untilEqual(() => shownBoxes(velmora), ['friction'], 'the result boxes shown');
    await velmora.choose('M');
    assert.strictEqual(await (await velmora.radio('friction')).isSelected(), false);
    await untilEqual(() => shownBoxes(velmora), ['mach'], 'the result boxes shown');
});

// --- results.test.js --------------------------------------------------------------------

check('the 4fL*/D option leaves the ratio boxes with the texts of the last M calculation', async ({ velmora }) => {
    await enact(velmora, scenario('mach-2'));
    await expectBoxes(velmora, scenario('mach-2'));
    const before = {};
    for (const key of ratioBoxes)
        before[key] = await velmora.value(key);
    await enact(velmora, scenario('friction-0.5'));
    await expectBoxes(velmora, scenario('friction-0.5'));
    for (const key of ratioBoxes) {
        assert.strictEqual(await velmora.shown(key), true, key);
        assert.strictEqual(await velmora.value(key), before[key], key);
    }
});

const strokes = 'return [...arguments[0].querySelectorAll(arguments[1])].map((e) => getComputedStyle(e).stroke)';

check('the chart draws a red curve and blue markers and describes the mark', async ({ velmora, driver }) => {
    await velmora.run('M', '2');
    const chart = await velmora.chart();
    await untilEqual(() => velmora.description(chart), 'γ = 1.4; marked: M = 2, 4fL*/D = 0.305', 'description');
    assert.deepStrictEqual(await driver.executeScript(strokes, chart, 'circle'), ['rgb(0, 0, 255)']);
    assert.ok((await driver.executeScript(strokes, chart, 'line, polyline')).includes('rgb(255, 0, 0)'));
});

check('a click on the chart redraws it with M = 1 marked; one on its caption runs nothing', async ({ velmora }) => {
    await velmora.run('M', '2');
    await untilEqual(async () => (await velmora.markers()).length, 1, 'markers');
    const chart = await velmora.chart();
    const marked = 'γ = 1.4; marked: M = 2, 4fL*/D = 0.305';
    await untilEqual(() => velmora.description(chart), marked, 'description');
    await (await chart.findElement(By.xpath('.//*[normalize-space(text()) = "4 f L*/D"]'))).click();
    assert.strictEqual(await velmora.description(chart), marked, 'after a click on the caption');
    await chart.click();
    await untilEqual(() => velmora.description(chart), 'γ = 1.4; marked: M = 1, 4fL*/D = 0', 'description');
    assert.strictEqual((await velmora.markers()).length, 1);
});

check('the live region announces each calculation once, with its results', async ({ velmora, driver }) => {
    const status = await velmora.one('status');
    await driver.executeScript(`const status = arguments[0];
        window.velmoraAnnouncements = [];
        new MutationObserver(() => {
            const text = status.textContent.trim();
            if (text && text !== window.velmoraAnnouncements.at(-1))
                window.velmoraAnnouncements.push(text);
        }).observe(status, { childList: true, subtree: true, characterData: true });`, status);
    const announcements = () => driver.executeScript('return window.velmoraAnnouncements');
    for (const [index, s] of [scenario('mach-2'), scenario('friction-0.5')].entries()) {
        await enact(velmora, s);
        await untilEqual(async () => (await announcements()).length, index + 1, 'announcements');
        for (const text of Object.values(s.boxes))
            assert.ok((await announcements())[index].includes(text), `${s.name}: ${text}`);
    }
});

// --- messages.test.js -------------------------------------------------------------------

const closers = [
    ['OK', async (velmora, message) => (await velmora.one('button', 'OK', { scope: message })).click()],
    ['Enter', (velmora) => velmora.press(Key.ENTER)],
    ['Escape', (velmora) => velmora.press(Key.ESCAPE)],
    // What a phone's back gesture or the browser's own close request does.
    ['the browser', (velmora, message) => velmora.driver.executeScript('arguments[0].close()', message)],
];
for (const [how, close] of closers) {
    check(`${how} closes a message, focus returns to the clicked button and the next message shows`,
          async ({ velmora, driver }) => {
              await driver.executeScript(countShown);
              await velmora.calculate();
              const message = await until(() => velmora.message(), 'a message is shown');
              await close(velmora, message);
              await until(async () => (await velmora.message()) === null, 'the message has closed');
              await until(async () => velmora.isFocused(await velmora.button()), 'the button has the focus');
              await velmora.calculate();
              await until(() => velmora.message(), 'the next message is shown');
              assert.strictEqual(await driver.executeScript('return window.velmoraShown'), 2);
          });
}

check('focus returns to the button when the message came from the keyboard', async ({ velmora, driver }) => {
    await driver.executeScript('arguments[0].focus()', await velmora.button());
    await velmora.press(' ');
    await until(() => velmora.message(), 'a message is shown');
    await velmora.press(Key.ESCAPE);
    await until(async () => (await velmora.message()) === null, 'the message has closed');
    await until(async () => velmora.isFocused(await velmora.button()), 'the button has the focus');
});

// --- keyboard.test.js -------------------------------------------------------------------

const focusShown = `const element = document.activeElement;
    if (!element || element === document.body)
        return false;
    const style = getComputedStyle(element);
    const outline = style.outlineStyle !== 'none' && parseFloat(style.outlineWidth) > 0;
    return outline || (style.boxShadow !== 'none' && style.boxShadow !== '');`;

check('Tab from the γ box reaches the options and the button, with focus always shown', async ({ velmora, driver }) => {
    const gamma = await velmora.box('gamma');
    const radios = [await velmora.radio('M'), await velmora.radio('friction')];
    const button = await velmora.button();
    await driver.executeScript('arguments[0].focus()', gamma);
    await velmora.press(Key.TAB);
    await driver.actions().keyDown(Key.SHIFT).sendKeys(Key.TAB).keyUp(Key.SHIFT).perform();
    assert.strictEqual(await velmora.isFocused(gamma), true, 'the γ box has the focus');
    assert.strictEqual(await driver.executeScript(focusShown), true, 'focus shown on the γ box');
    const reached = new Set();
    for (let step = 1; step <= 20 && reached.size < 2; ++step) {
        await velmora.press(Key.TAB);
        const where = await driver.executeScript('return document.activeElement.outerHTML.slice(0, 80)');
        assert.strictEqual(await driver.executeScript(focusShown), true, `focus shown at Tab ${step} (${where})`);
        for (const radio of radios)
            if (await velmora.isFocused(radio))
                reached.add('option');
        if (await velmora.isFocused(button))
            reached.add('button');
    }
    assert.deepStrictEqual([...reached].sort(), ['button', 'option']);
});

check('arrow keys move the option and switch the mode', async ({ velmora }) => {
    await velmora.choose('M');
    assert.strictEqual(await velmora.isFocused(await velmora.radio('M')), true, 'M has the focus');
    await velmora.press(Key.ARROW_DOWN);
    await until(async () => (await velmora.radio('friction')).isSelected(), 'friction chosen');
    assert.strictEqual(await velmora.isFocused(await velmora.radio('friction')), true, 'friction has the focus');
    assert.strictEqual(await (await velmora.radio('M')).isSelected(), false);
    await untilEqual(() => shownBoxes(velmora), ['friction'], 'the result boxes shown');
    assert.strictEqual(await velmora.value('friction'), ' ');
    await velmora.press(Key.ARROW_UP);
    await until(async () => (await velmora.radio('M')).isSelected(), 'M chosen');
    await untilEqual(() => shownBoxes(velmora), ['mach'], 'the result boxes shown');
});

check('Return on the focused button presses nothing, and Space presses it', async ({ velmora, driver }) => {
    await velmora.choose('M');
    await velmora.enter('mach', '2');
    await driver.executeScript('arguments[0].focus()', await velmora.button());
    await velmora.press(Key.ENTER);
    assert.strictEqual(await velmora.value('friction'), '1');
    assert.strictEqual(await velmora.message(), null);
    await velmora.press(' ');
    await untilEqual(() => velmora.value('friction'), '0.305', 'friction');
});

check('a calculation can be run from the keyboard alone', async ({ velmora, driver }) => {
    await driver.executeScript('arguments[0].focus()', await velmora.box('gamma'));
    const tabUntil = async (element) => {
        for (let step = 0; step < 20; ++step) {
            await velmora.press(Key.TAB);
            if (await velmora.isFocused(element))
                return;
        }
        throw new Error('Tab never reached it');
    };
    await tabUntil(await velmora.radio('M'));
    await velmora.press(' ');
    await until(async () => (await velmora.radio('M')).isSelected(), 'M chosen');
    await tabUntil(await velmora.box('mach'));
    await velmora.selectAll();
    await velmora.press('2');
    await tabUntil(await velmora.button());
    await velmora.press(' ');
    await untilEqual(() => velmora.value('friction'), '0.305', 'friction');
});

// --- about.test.js ----------------------------------------------------------------------

const aboutTexts = ['Program for Calculating', '1D Frictional Flow Properties', 'Written by the Velmora authors',
    'March 2006', 'For comments and questions e-mail to', 'velmora@example.org'];

async function openAbout(velmora) {
    await (await velmora.aboutItem()).click();
    return until(() => velmora.about(), 'About is shown');
}

async function expectAboutTexts(velmora, about) {
    const text = await about.getText();
    for (const line of aboutTexts)
        assert.ok(text.includes(line), line);
    await velmora.one('button', 'Close', { scope: about });
}

check('About opens a window with the program texts and a Close button', async ({ velmora, driver }) => {
    const about = await openAbout(velmora);
    await expectAboutTexts(velmora, about);
    assert.strictEqual(await isModal(driver, about), false);
});

for (const [title, size, beside] of [['beside the main window on a wide screen', desktop, true],
    ['below the main window on a narrow screen', phone, false]]) {
    check(`the About window is placed ${title}`, async ({ velmora }) => {
        const about = await (await openAbout(velmora)).getRect();
        const main = await (await velmora.window()).getRect();
        const right = about.x >= main.x + main.width - 1 || about.x + about.width <= main.x + 1;
        const below = about.y >= main.y + main.height - 1;
        assert.deepStrictEqual({ right, below }, beside ? { right: true, below: false } : { right: false, below: true });
    }, { size });
}

check('the main window still works while About is open', async ({ velmora }) => {
    await openAbout(velmora);
    await velmora.run('M', '2');
    await untilEqual(() => velmora.value('friction'), '0.305', 'friction');
    assert.notStrictEqual(await velmora.about(), null);
});

check('choosing About again leaves exactly one About window', async ({ velmora }) => {
    await openAbout(velmora);
    await (await velmora.aboutItem()).click();
    await (await velmora.aboutItem()).click();
    assert.strictEqual((await velmora.all('dialog', 'About')).length, 1);
});

check('Close closes About, and About opens again with the same texts', async ({ velmora }) => {
    const about = await openAbout(velmora);
    await (await velmora.one('button', 'Close', { scope: about })).click();
    await until(async () => (await velmora.about()) === null, 'About has closed');
    await expectAboutTexts(velmora, await openAbout(velmora));
});

// --- problems.test.js ------------------------------------------------------------------

async function openProblems(velmora) {
    await (await velmora.menuItem('Problems')).click();
    await until(async () => (await velmora.all('dialog', 'Fanno problems')).length === 1, 'Problems is shown');
    return velmora.problems;
}

for (const { title, act, boxes, marked, markers } of solves) {
    check(`the window gives ${title}`, async ({ velmora }) => {
        const problems = await openProblems(velmora);
        await act(problems);
        for (const [name, text] of Object.entries(boxes))
            await untilEqual(async () => (await problems.box(name)).getProperty('value'), text, name);
        const chart = await problems.chart();
        assert.strictEqual(await velmora.description(chart), marked);
        assert.strictEqual((await chart.findElements(By.css('circle'))).length, markers);
        assert.strictEqual(await velmora.message(), null);
    });
}

check('the window opens with γ 1.4, not modal, and the menu brings the same one back', async ({ velmora, driver }) => {
    const problems = await openProblems(velmora);
    assert.strictEqual(await (await problems.box('Ratio of specific heats γ')).getProperty('value'), '1.4');
    assert.strictEqual(await isModal(driver, await problems.window()), false);
    await problems.enter('Known value', '2');
    await (await velmora.menuItem('Problems')).click();
    await (await velmora.menuItem('Problems')).click();
    assert.strictEqual((await velmora.all('dialog', 'Fanno problems')).length, 1);
    assert.strictEqual(await (await problems.box('Known value')).getProperty('value'), '2');
    await velmora.run('M', '2');
    await untilEqual(() => velmora.value('friction'), '0.305', 'friction');
});

check('Close closes the window, and Problems opens it again as it was left', async ({ velmora }) => {
    const problems = await openProblems(velmora);
    await problems.solve('M', '2');
    await untilEqual(async () => (await problems.box('4fL*/D')).getProperty('value'), '0.305', '4fL*/D');
    await (await problems.button('Close')).click();
    await until(async () => (await velmora.all('dialog', 'Fanno problems')).length === 0, 'Problems has closed');
    await openProblems(velmora);
    assert.strictEqual(await (await problems.box('Known value')).getProperty('value'), '2');
    assert.strictEqual(await (await problems.box('4fL*/D')).getProperty('value'), '0.305');
    assert.strictEqual((await (await problems.chart()).findElements(By.css('circle'))).length, 1);
});

check('a duct that chokes brings up one Velmora message and leaves no outlet number', async ({ velmora, driver }) => {
    const problems = await openProblems(velmora);
    await problems.solveDuct('0.3', '4');
    await untilEqual(async () => (await problems.box('M2')).getProperty('value'), '0.4744', 'M2');
    await driver.executeScript(countShown);
    await problems.solveDuct('0.3', '6');
    await velmora.acknowledge('The duct chokes: for M1 = 0.3 the longest 4fL/D is 5.2993');
    assert.strictEqual(await driver.executeScript('return window.velmoraShown'), 1);
    for (const name of ['M2', 'p2/p1', 'T2/T1', 'ρ2/ρ1', 'V2/V1', 'p02/p01', '(s2-s1)/R'])
        assert.strictEqual(await (await problems.box(name)).getProperty('value'), '', name);
    await until(async () => velmora.isFocused(await problems.button('Solve duct')), 'Solve duct has the focus');
});

for (const [title, size, beside] of [['beside the main window on a wide screen', desktop, true],
    ['below the main window on a narrow screen', phone, false]]) {
    check(`the window is placed ${title}, its width in view`, async ({ velmora, driver }) => {
        const problems = await openProblems(velmora);
        const main = await (await velmora.window()).getRect();
        const box = await (await problems.window()).getRect();
        const right = box.x >= main.x + main.width - 1;
        const below = box.y >= main.y + main.height - 1;
        assert.deepStrictEqual({ right, below }, beside ? { right: true, below: false } : { right: false, below: true });
        const widths = await driver.executeScript(
            'return { scroll: document.documentElement.scrollWidth, inner: window.innerWidth }');
        assert.ok(widths.scroll <= widths.inner, JSON.stringify(widths));
    }, { size });
}

// The main window's boxes (with whether each is hidden) and its chart's description.
async function mainWindowState(velmora, driver) {
    const boxes = await velmora.all('textbox', undefined, { scope: await velmora.window(), hidden: true });
    // One element a call: WebKit's driver takes no elements inside an array.
    const texts = [];
    for (const box of boxes)
        texts.push(await driver.executeScript(`const e = arguments[0];
            return e.getAttribute('aria-label') + '=' + e.value + (e.hidden ? ' (hidden)' : '')`, box));
    return { boxes: texts, chart: await velmora.description(await velmora.chart()) };
}

check('nothing the main window shows changes while the window solves', async ({ velmora, driver }) => {
    await velmora.run('M', '2');
    await untilEqual(() => velmora.value('friction'), '0.305', 'friction');
    const before = await mainWindowState(velmora, driver);
    const problems = await openProblems(velmora);
    await problems.enter('Ratio of specific heats γ', '1.3');
    await problems.solve('T/T*', '1.1');
    await until(async () => (await (await problems.box('M')).getProperty('value')) !== '', 'M solved');
    await problems.solveDuct('0.3', '6');
    const message = await until(() => velmora.message(), 'a message is shown');
    await (await velmora.one('button', 'OK', { scope: message })).click();
    const chart = await problems.chart();
    await chart.click();
    await until(async () => /marked: M = 1,/.test(await velmora.description(chart)), 'M = 1 marked');
    assert.deepStrictEqual(await mainWindowState(velmora, driver), before);
});

// The focus goes down the first section, then down the duct's, then to the chart.
check('Tab goes down each section in turn, to every box, choice and button', async ({ velmora, driver }) => {
    const problems = await openProblems(velmora);
    await driver.executeScript('arguments[0].focus()', await problems.box('Ratio of specific heats γ'));
    const stops = [];
    for (let step = 0; step < 40; ++step) {
        const stop = await driver.executeScript(`const e = document.activeElement;
            const box = e.getBoundingClientRect();
            return { name: e.getAttribute('aria-label') || e.textContent, x: box.x, y: box.y };`);
        stops.push(stop);
        if (stop.name === '4fL*/D against Mach number')
            break;
        await velmora.press(Key.TAB);
    }
    const names = stops.map((stop) => stop.name);
    for (const name of ['Known quantity', 'Known value', 'Solve', 'M', '(s*-s)/R', 'Inlet Mach number M1',
        'Duct 4fL/D', 'Solve duct', 'M2', 'Longest duct 4fL*/D', '4fL*/D against Mach number'])
        assert.ok(names.includes(name), `${name} in ${names.join(', ')}`);
    const duct = names.indexOf('Inlet Mach number M1');
    for (const section of [stops.slice(1, duct), stops.slice(duct, -1)])
        for (let i = 1; i < section.length; ++i)
            assert.ok(section[i].y > section[i - 1].y, `${section[i - 1].name} → ${section[i].name}`);
    assert.ok(stops[duct].x > stops[duct - 1].x || stops[duct].y > stops[duct - 1].y);
});

// Clicks ELEMENT at (X, Y) from its top left corner (WebDriver's offsets are from its centre;
// its actions, unlike its element click, do not scroll the element into view).
async function clickAt(driver, element, x, y) {
    await driver.executeScript('arguments[0].scrollIntoView({ block: "center" })', element);
    const { width, height } = await element.getRect();
    await driver.actions().move({ origin: element, x: Math.round(x - width / 2), y: Math.round(y - height / 2) })
        .click().perform();
}

for (const [title, size] of [['beside the main window on a wide screen', desktop],
    ['below the main window on a narrow screen', phone]]) {
    check(`${title}, a click on the chart's caption runs nothing and one on the chart marks M = 1`,
          async ({ velmora, driver }) => {
              const problems = await openProblems(velmora);
              await problems.solve('M', '2');
              const chart = await problems.chart();
              const marked = 'γ = 1.4; marked: M = 2, 4fL*/D = 0.305';
              await untilEqual(() => velmora.description(chart), marked, 'description');
              const caption = await chart.findElement(By.xpath('.//*[normalize-space(text()) = "4 f L*/D"]'));
              const place = await caption.getRect();
              for (const [x, y] of [[1, 1], [place.width - 2, place.height - 2]])
                  await clickAt(driver, caption, x, y);
              assert.strictEqual(await velmora.description(chart), marked, 'after clicks on the caption');
              const { width, height } = await chart.getRect();
              await clickAt(driver, chart, width / 2, height - 10);
              await untilEqual(() => velmora.description(chart), 'γ = 1.4; marked: M = 1, 4fL*/D = 0', 'description');
          }, { size });
}

// --- phone.test.js ----------------------------------------------------------------------

check('the whole main window is in view with no sideways scrolling', async ({ velmora, driver }) => {
    const window = await velmora.window();
    assert.strictEqual(await driver.executeAsyncScript(`const done = arguments[arguments.length - 1];
        new IntersectionObserver(([entry], observer) => { observer.disconnect(); done(entry.intersectionRatio); })
            .observe(arguments[0]);`, window), 1, 'the share of the window in view');
    const widths = await driver.executeScript(
        'return { scroll: document.documentElement.scrollWidth, inner: window.innerWidth }');
    assert.ok(widths.scroll <= widths.inner, JSON.stringify(widths));
}, { size: phone });

check('the Problems window stands below the main window, in view across, and its own choice solves',
      async ({ velmora, driver }) => {
          const problems = await openProblems(velmora);
          const main = await (await velmora.window()).getRect();
          const box = await (await problems.window()).getRect();
          assert.ok(box.y >= main.y + main.height - 1, 'below the main window');
          assert.ok(box.x + box.width <= phone.width, 'in view across');
          // No control covers another, so each can be reached with a finger.
          const places = await driver.executeScript(`return [...arguments[0].querySelectorAll(
              'input, select, button.command, [role="img"]')].map((e) => {
                  const r = e.getBoundingClientRect(); return [r.left, r.top, r.right, r.bottom]; })`,
          await problems.window());
          for (let i = 0; i < places.length; ++i)
              for (let j = i + 1; j < places.length; ++j) {
                  const [a, b] = [places[i], places[j]];
                  assert.ok(a[2] <= b[0] || b[2] <= a[0] || a[3] <= b[1] || b[3] <= a[1], `controls ${i} and ${j} apart`);
              }
          await problems.solve('T/T*', '1.1');
          await untilEqual(async () => (await problems.box('T/T*')).getProperty('value'), '1.1', 'T/T*');
          await untilEqual(async () => (await problems.box('M')).getProperty('value'), '0.6742', 'M');
      }, { size: phone });

for (const s of pick((c) => c.locale === 'C' && c.option && c.message === null))
    check(`tapping option ${s.option} and typing ${s.typed} on screen gives the results of ${s.name}`, null,
          { skip: noTouch });
for (const title of ['a message can be closed with a tap', 'About opens with a tap and closes with a tap',
    'a tap on the chart marks the sonic point, and one on its caption runs nothing'])
    check(title, null, { skip: noTouch });

// --- accessibility.test.js --------------------------------------------------------------

const axeSource = fs.readFileSync(require.resolve('axe-core/axe.min.js'), 'utf-8');
const states = [
    ['at start', async () => {}],
    ['after M = 2', async (velmora) => {
        await velmora.run('M', '2');
        await untilEqual(() => velmora.value('friction'), '0.305', 'friction');
    }],
    ['with the About window open', openAbout],
    ['with a message open', async (velmora) => {
        await velmora.calculate();
        await until(() => velmora.message(), 'a message is shown');
    }],
];
for (const [title, reach] of states) {
    check(`axe finds no violation ${title}`, async ({ velmora, driver }) => {
        await reach(velmora);
        await driver.executeScript(axeSource);
        const violations = await driver.executeAsyncScript(`const done = arguments[arguments.length - 1];
            axe.run(document).then((results) => done(results.violations.map((v) =>
                v.id + ' (' + v.impact + '): ' + v.help + ' at '
                + v.nodes.map((n) => n.target.join(' ')).join(', '))), (error) => done(['axe: ' + error]));`);
        assert.deepStrictEqual(violations, []);
    });
}

// --- loading.test.js --------------------------------------------------------------------

check('after one visit the page works with the server gone', async ({ velmora, driver, server }) => {
    await driver.executeAsyncScript('navigator.serviceWorker.ready.then(() => arguments[0]())');
    const controlled = () => driver.executeScript('return navigator.serviceWorker.controller !== null');
    if (!(await controlled())) {
        await driver.navigate().refresh();
        await velmora.ready();
    }
    await until(controlled, 'the service worker controls the page');
    await server.close();
    await driver.navigate().refresh();
    await velmora.ready();
    await velmora.run('M', '2');
    await untilEqual(() => velmora.value('friction'), '0.305', 'friction');
});

check('without velmora.wasm the page says so in plain text and shows no controls', async ({ velmora, driver, serveSite }) => {
    const server = await serveSite({ missing: 'velmora.wasm' });
    await driver.get(server.url);
    await until(async () => /velmora\.wasm/.test(await driver.findElement(By.css('body')).getText()),
                'the page names velmora.wasm');
    for (const role of ['textbox', 'radio', 'button', 'menuitem'])
        assert.strictEqual((await velmora.all(role)).length, 0, role);
}, { serves: true, allowErrors: true });

check('a page without an element of the program says so once and computes nothing', null,
      { skip: 'classic WebDriver cannot change the page as it is served (Playwright\'s page.route)' });
check('a browser without WebAssembly is told so in the page', null,
      { skip: 'classic WebDriver runs no script before the page\'s own (Playwright\'s addInitScript)' });
// WebDriver does not see the page's requests: the server lists those it refused.
check('the page loads with no missing file when everything is served', async ({ driver, server }) => {
    await driver.executeAsyncScript('navigator.serviceWorker.ready.then(() => arguments[0]())');
    assert.deepStrictEqual(server.refused(), []);
});
check('Chromium can install the page as an app', null,
      { skip: 'the install check is read through Chromium\'s DevTools' });

module.exports = { checks };
