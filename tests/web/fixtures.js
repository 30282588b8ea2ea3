// The shared fixtures of the page tests: the built site served per test (a test can
// serve it again with a file missing, or stop its server), pages whose console errors and
// page errors are collected and must be none at the end of the test, and the page model.
'use strict';
const fs = require('fs');
const path = require('path');
const base = require('@playwright/test');
const { serve } = require('./serve');
const { Velmora } = require('./velmora');

// Over BiDi, Playwright's own helpers add a <style> to the page, which Firefox refuses
// under the page's Content-Security-Policy and reports as the page's error. The page's own
// styles meet the same policy in Chromium, which reports every breach of it.
function isPlaywrightsOwnStyle(browserName, error) {
    return browserName === '_bidiFirefox' && /blocked an inline style \(style-src-elem\)/.test(error.message);
}

const site = path.resolve(process.env.VELMORA_SITE || path.join(__dirname, '../../build-web/site'));

const test = base.test.extend({
    // Set to true in a test that expects errors (a file the page needs is missing).
    allowErrors: [false, { option: true }],

    // Every console error and page error of the watched pages, as lines of text.
    errors: async ({}, use) => {
        await use([]);
    },

    // Watches a page: its console errors and uncaught errors go to `errors`.
    watch: async ({ errors, browserName }, use) => {
        await use((page) => {
            page.on('console', (message) => {
                if (message.type() === 'error') {
                    const where = message.location().url;
                    errors.push(`console error: ${message.text()}${where ? ` (${where})` : ''}`);
                }
            });
            page.on('pageerror', (error) => {
                if (!isPlaywrightsOwnStyle(browserName, error))
                    errors.push(`page error: ${error.stack || error.message}`);
            });
            return page;
        });
    },

    // Runs after each test: no errors unless the test allows them.
    noErrors: [async ({ errors, allowErrors }, use) => {
        await use();
        if (!allowErrors)
            base.expect(errors, 'console errors and page errors').toEqual([]);
    }, { auto: true }],

    // Starts a server for the site; every server started is stopped after the test.
    // serveSite({ missing: 'velmora.wasm' }) pretends that file is absent.
    serveSite: async ({}, use) => {
        if (!fs.existsSync(path.join(site, 'index.html')))
            throw new Error(`no site in ${site} (build it with scripts/build-web.sh, or set VELMORA_SITE)`);
        const servers = [];
        await use(async (options = {}) => {
            const server = await serve(site, options);
            servers.push(server);
            return server;
        });
        await Promise.all(servers.map((server) => server.close()));
    },

    server: async ({ serveSite }, use) => {
        await use(await serveSite());
    },

    page: async ({ page, watch }, use) => {
        await use(watch(page));
    },

    // A page in a context of its own, made with browser.newContext(OPTIONS).
    newPage: async ({ browser, watch }, use) => {
        const contexts = [];
        await use(async (options = {}) => {
            const context = await browser.newContext(options);
            contexts.push(context);
            return watch(await context.newPage());
        });
        await Promise.all(contexts.map((context) => context.close()));
    },

    // The page model on `page`, with the site already open and running.
    velmora: async ({ page, server }, use) => {
        const velmora = new Velmora(page);
        await velmora.open(server.url);
        await use(velmora);
    },
});

module.exports = { test, expect: base.expect, site };
