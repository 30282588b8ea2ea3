// The Velmora page as a screen-reader user meets it: every control found by its role and
// accessible name, inside the main window (a region named "Velmora").
'use strict';
const { expect } = require('@playwright/test');

const {
    names, resultBoxes, ratioBoxes, options, inputBoxes, controls, optionControls, buttonNames,
} = require('./pagenames');

// The Fanno problems window, a dialog of its own; its boxes are named by their quantities.
class Problems {
    constructor(page) {
        this.page = page;
        this.window = page.getByRole('dialog', { name: 'Fanno problems', exact: true });
        this.known = this.window.getByRole('combobox', { name: 'Known quantity', exact: true });
        this.chart = this.window.getByRole('img', { name: '4fL*/D against Mach number', exact: true });
    }

    box(name) {
        return this.window.getByRole('textbox', { name, exact: true });
    }

    button(name) {
        return this.window.getByRole('button', { name, exact: true });
    }

    // Chooses KNOWN, types VALUE as the known value and solves.
    async solve(known, value) {
        await this.known.selectOption({ label: known });
        await this.box('Known value').fill(value);
        await this.button('Solve').click();
    }

    async solveDuct(M1, FLD4) {
        await this.box('Inlet Mach number M1').fill(M1);
        await this.box('Duct 4fL/D').fill(FLD4);
        await this.button('Solve duct').click();
    }

    // Each box named in EXPECTED holds its text.
    async expectBoxes(expected) {
        for (const [name, text] of Object.entries(expected))
            await expect(this.box(name), name).toHaveValue(text);
    }
}

class Velmora {
    constructor(page) {
        this.page = page;
        this.window = page.getByRole('region', { name: 'Velmora', exact: true });
        this.menubar = this.window.getByRole('menubar');
        this.aboutItem = this.menubar.getByRole('menuitem', { name: 'About', exact: true });
        this.problemsItem = this.menubar.getByRole('menuitem', { name: 'Problems', exact: true });
        this.options = this.window.getByRole('radiogroup', { name: 'Input options', exact: true });
        this.button = this.window.getByRole('button',
            { name: new RegExp(`^(${buttonNames.start}|${buttonNames.ready})$`) });
        this.chart = this.window.getByRole('img', { name: '4fL*/D against Mach number', exact: true });
        this.status = page.getByRole('status');
        this.message = page.getByRole('dialog', { name: 'Velmora', exact: true });
        this.about = page.getByRole('dialog', { name: 'About', exact: true });
        this.problems = new Problems(page);
    }

    // A text box by its key in `names`; found whether shown or hidden, so that a test can
    // tell a hidden box from a missing one.
    box(key) {
        return this.window.getByRole('textbox', { name: names[key], exact: true, includeHidden: true });
    }

    radio(key) {
        return this.options.getByRole('radio', { name: options[key], exact: true });
    }

    async open(url) {
        await this.page.goto(url);
        await this.ready();
    }

    // The window comes with the page, inert (neither used nor read out) until the program
    // has bound its controls; then the page no longer says that it is loading.
    async ready() {
        await expect(this.page.locator('[inert]')).toHaveCount(0, { timeout: 15_000 });
        await expect(this.page.getByText('Loading Velmora…')).toBeHidden();
    }

    async value(key) {
        return this.box(key).inputValue();
    }

    async choose(key) {
        await this.radio(key).click();
        await expect(this.radio(key)).toBeChecked();
    }

    // Replaces the text of a box, as typing over a selection does.
    async enter(key, text) {
        await this.box(key).fill(text);
    }

    async calculate() {
        await this.button.click();
    }

    // Chooses the option KEY, types TEXT into its box and calculates.
    async run(key, text) {
        await this.choose(key);
        await this.enter(inputBoxes[key], text);
        await this.calculate();
    }

    markers() {
        return this.chart.locator('circle');
    }

    curve() {
        return this.chart.locator('line, polyline');
    }

    // Every box of the main window with its text, shown or hidden, and what its chart shows.
    async mainWindowState() {
        const boxes = await this.window.getByRole('textbox', { includeHidden: true }).evaluateAll(
            (elements) => elements.map((e) => `${e.getAttribute('aria-label')}=${e.value}${e.hidden ? ' (hidden)' : ''}`));
        return { boxes, chart: await this.chart.getAttribute('aria-describedby').then((id) =>
            this.page.locator(`[id="${id}"]`).textContent()) };
    }

    // Counts how many times a dialog is shown from now on, even when one closes and
    // the next opens within the same task (native <dialog> gets `open`; others lose `hidden`
    // or are added); the function it gives reads the count.
    async countShownMessages() {
        await this.page.evaluate(() => {
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
        return () => this.page.evaluate(() => window.velmoraShown);
    }

    // The message dialog's text is TEXT; closes it with OK.
    async acknowledge(text) {
        await expect(this.message).toBeVisible();
        await expect(this.message).toContainText(text);
        await this.message.getByRole('button', { name: 'OK', exact: true }).click();
        await expect(this.message).toHaveCount(0);
    }
}

// The screens on which a window of its own stands beside the main window, or below it.
const layouts = [
    { title: 'beside the main window on a wide screen', size: { width: 1280, height: 800 }, beside: true },
    { title: 'below the main window on a narrow screen', size: { width: 390, height: 844 }, beside: false },
];

module.exports = {
    Velmora, layouts, names, resultBoxes, ratioBoxes, options, inputBoxes, controls, optionControls, buttonNames,
};
