// The Velmora page as a screen-reader user meets it: every control found by its role and
// accessible name, inside the main window (a region named "Velmora").
'use strict';
const { expect } = require('@playwright/test');

const {
    names, resultBoxes, ratioBoxes, options, inputBoxes, controls, optionControls, buttonNames,
} = require('./pagenames');

class Velmora {
    constructor(page) {
        this.page = page;
        this.window = page.getByRole('region', { name: 'Velmora', exact: true });
        this.menubar = this.window.getByRole('menubar');
        this.aboutItem = this.menubar.getByRole('menuitem', { name: 'About', exact: true });
        this.options = this.window.getByRole('radiogroup', { name: 'Input options', exact: true });
        this.button = this.window.getByRole('button',
            { name: new RegExp(`^(${buttonNames.start}|${buttonNames.ready})$`) });
        this.chart = this.window.getByRole('img', { name: '4fL*/D against Mach number', exact: true });
        this.status = page.getByRole('status');
        this.message = page.getByRole('dialog', { name: 'Velmora', exact: true });
        this.about = page.getByRole('dialog', { name: 'About', exact: true });
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

    // The message dialog's text is TEXT; closes it with OK.
    async acknowledge(text) {
        await expect(this.message).toBeVisible();
        await expect(this.message).toContainText(text);
        await this.message.getByRole('button', { name: 'OK', exact: true }).click();
        await expect(this.message).toHaveCount(0);
    }
}

module.exports = {
    Velmora, names, resultBoxes, ratioBoxes, options, inputBoxes, controls, optionControls, buttonNames,
};
