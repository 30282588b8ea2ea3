// The Velmora page driven through classic WebDriver (selenium-webdriver), for WebKitGTK:
// the same model as ../velmora.js, controls found by the role and accessible name that
// WebKit itself computes (WebDriver's Get Computed Role and Get Computed Label).
'use strict';
const assert = require('assert');
const { isDeepStrictEqual } = require('util');
const { By, Key } = require('selenium-webdriver');
const { names, options, inputBoxes, buttonNames } = require('../pagenames');

// Every element that may carry one of the roles the tests look for; WebKit's computed role
// decides which one it is.
const candidates = 'section, input, select, button, fieldset, dialog, [role]';
// WebKit's names for the roles whose ARIA names it does not give back; a <select> is a
// pop-up button to it.
const webkitRoles = { img: 'image', combobox: 'button' };

// How long a condition may take to come true before the check fails: a limit on waiting,
// never a measure that is asserted.
const patience = 10_000;

// Waits until CONDITION() gives a value that is not false, and returns it; fails with
// WHAT (and the last value seen) otherwise.
async function until(condition, what) {
    let last;
    for (const start = Date.now(); Date.now() - start < patience;) {
        try {
            last = await condition();
            if (last !== false)
                return last;
        } catch (error) {
            if (error.name !== 'StaleElementReferenceError' && error.name !== 'NoSuchElementError')
                throw error;
            last = error.message;
        }
        await new Promise((resolve) => setTimeout(resolve, 100));
    }
    throw new assert.AssertionError({ message: `${what}: not so (last seen: ${JSON.stringify(last)})` });
}

// Waits until READ() equals EXPECTED.
async function untilEqual(read, expected, what) {
    let seen;
    try {
        await until(async () => { seen = await read(); return isDeepStrictEqual(seen, expected); }, what);
    } catch (error) {
        assert.deepStrictEqual(seen, expected, what);
        throw error;
    }
}

// The Fanno problems window, as ../velmora.js's Problems: its boxes named by their quantities.
class WebKitProblems {
    constructor(velmora) {
        this.velmora = velmora;
    }

    async window() {
        return this.velmora.one('dialog', 'Fanno problems');
    }

    async box(name) {
        return this.velmora.one('textbox', name, { scope: await this.window() });
    }

    async button(name) {
        return this.velmora.one('button', name, { scope: await this.window() });
    }

    async chart() {
        return this.velmora.one('img', '4fL*/D against Mach number', { scope: await this.window() });
    }

    async enter(name, text) {
        await (await this.box(name)).click();
        await this.velmora.selectAll();
        await this.velmora.press(text);
    }

    // Chooses KNOWN (an entry of the choice, by its text), types VALUE and solves.
    async solve(known, value) {
        const choice = await this.velmora.one('combobox', 'Known quantity', { scope: await this.window() });
        await (await choice.findElement(By.xpath(`./option[normalize-space(.) = "${known}"]`))).click();
        await this.enter('Known value', value);
        await (await this.button('Solve')).click();
    }

    async solveDuct(M1, FLD4) {
        await this.enter('Inlet Mach number M1', M1);
        await this.enter('Duct 4fL/D', FLD4);
        await (await this.button('Solve duct')).click();
    }
}

class WebKitVelmora {
    constructor(driver) {
        this.driver = driver;
        this.problems = new WebKitProblems(this);
    }

    // The elements under SCOPE (the document when null) whose computed role is ROLE and,
    // when NAME is given, whose computed name is NAME (a string, or a RegExp); only those
    // shown, unless HIDDEN.
    async all(role, name, { scope = null, hidden = false } = {}) {
        const found = [];
        for (const element of await (scope || this.driver).findElements(By.css(candidates))) {
            const computed = await this.roleOf(element);
            if (computed !== (webkitRoles[role] || role))
                continue;
            if (!hidden && !(await element.isDisplayed()))
                continue;
            if (name !== undefined) {
                const label = await element.getAccessibleName();
                if (!(name instanceof RegExp ? name.test(label) : label === name))
                    continue;
            }
            found.push(element);
        }
        return found;
    }

    // ELEMENT's computed role, or null for an element that is not rendered (WebKit then
    // answers with an error that says nothing) or has left the page meanwhile.
    async roleOf(element) {
        try {
            return await element.getAriaRole();
        } catch (error) {
            if (await element.isDisplayed().catch(() => false))
                throw error;
            return null;
        }
    }

    // The one element of ROLE and NAME; waits for it to be there.
    async one(role, name, options = {}) {
        return until(async () => {
            const found = await this.all(role, name, options);
            return found.length === 1 ? found[0] : false;
        }, `one ${role} named ${name}`);
    }

    async window() {
        return this.one('region', 'Velmora');
    }

    async box(key, { hidden = true } = {}) {
        return this.one('textbox', names[key], { scope: await this.window(), hidden });
    }

    async radio(key) {
        const group = await this.one('radiogroup', 'Input options', { scope: await this.window() });
        return this.one('radio', options[key], { scope: group });
    }

    async button() {
        return this.one('button', new RegExp(`^(${buttonNames.start}|${buttonNames.ready})$`),
                        { scope: await this.window() });
    }

    async chart() {
        return this.one('img', '4fL*/D against Mach number', { scope: await this.window() });
    }

    async menuItem(name) {
        const menubar = await this.one('menubar', undefined, { scope: await this.window() });
        return this.one('menuitem', name, { scope: menubar });
    }

    async aboutItem() {
        return this.menuItem('About');
    }

    // The open message dialog and About window, or null when none is shown.
    async message() {
        return (await this.all('dialog', 'Velmora'))[0] || null;
    }

    async about() {
        return (await this.all('dialog', 'About'))[0] || null;
    }

    async open(url) {
        await this.driver.get(url);
        await this.ready();
    }

    // As ../velmora.js: the window is inert until the program has bound its controls.
    async ready() {
        await until(async () => (await this.driver.findElements(By.css('[inert]'))).length === 0,
                    'the windows are no longer inert');
        await until(() => this.driver.executeScript(
            'return !document.body.innerText.includes("Loading Velmora…")'), 'the page has loaded');
    }

    async value(key) {
        return (await this.box(key)).getProperty('value');
    }

    async shown(key) {
        return (await this.box(key)).isDisplayed();
    }

    async choose(key) {
        await (await this.radio(key)).click();
        await until(async () => (await this.radio(key)).isSelected(), `option ${key} chosen`);
    }

    // Replaces the text of a box as typing over a selection does.
    async enter(key, text) {
        await (await this.box(key)).click();
        await this.selectAll();
        await this.press(text);
    }

    // Ctrl+A as keys pressed in turn: WebKit takes no modifier in an element's Send Keys.
    async selectAll() {
        await this.driver.actions().keyDown(Key.CONTROL).sendKeys('a').keyUp(Key.CONTROL).perform();
    }

    async calculate() {
        await (await this.button()).click();
    }

    async run(key, text) {
        await this.choose(key);
        await this.enter(inputBoxes[key], text);
        await this.calculate();
    }

    // WebDriver has no computed description: it is read as aria-describedby names it.
    async description(element) {
        return this.driver.executeScript(`return (arguments[0].getAttribute('aria-describedby') || '')
            .split(' ').filter(Boolean).map((id) => document.getElementById(id).textContent).join(' ')`,
        element);
    }

    async markers() {
        return (await this.chart()).findElements(By.css('circle'));
    }

    async press(...keys) {
        await this.driver.actions().sendKeys(...keys).perform();
    }

    async isFocused(element) {
        return this.driver.executeScript('return arguments[0] === document.activeElement', element);
    }

    // The message's text is TEXT; closes it with OK.
    async acknowledge(text) {
        const message = await until(() => this.message(), 'a message is shown');
        await until(async () => (await message.getText()).includes(text), `the message says "${text}"`);
        await (await this.one('button', 'OK', { scope: message })).click();
        await until(async () => (await this.message()) === null, 'the message has closed');
    }
}

module.exports = { WebKitVelmora, until, untilEqual };
