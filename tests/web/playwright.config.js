// Playwright Test settings for the page tests: Debian's Chromium and Firefox ESR, headless, the built
// site from VELMORA_SITE (default build-web/site), results under the build folder.
// Each test serves the site itself (fixtures.js), so there is no webServer here.
'use strict';
const path = require('path');
const { defineConfig } = require('@playwright/test');

const repo = path.resolve(__dirname, '../..');
const site = path.resolve(process.env.VELMORA_SITE || path.join(repo, 'build-web/site'));
const output = path.resolve(process.env.VELMORA_TEST_OUTPUT || path.join(repo, 'build-web/page-test-results'));
// The fixtures read the site folder from here; the config is loaded in every worker.
process.env.VELMORA_SITE = site;

module.exports = defineConfig({
    testDir: __dirname,
    testMatch: '*.test.js',
    outputDir: output,
    fullyParallel: false,
    workers: 2,
    retries: 0,
    forbidOnly: true,
    reporter: [['list'], ['./skipreasons.js']],
    timeout: 30_000,
    expect: { timeout: 5_000 },
    use: {
        headless: true,
        locale: 'en-US',
        viewport: { width: 1280, height: 800 },
        trace: 'retain-on-failure',
        screenshot: 'only-on-failure',
    },
    // Debian's own browsers, none downloaded: Chromium through its DevTools, Firefox ESR
    // through WebDriver BiDi (Playwright's browser type for a stock Firefox).
    projects: [
        {
            name: 'chromium',
            use: {
                browserName: 'chromium',
                launchOptions: {
                    executablePath: process.env.VELMORA_CHROMIUM || '/usr/bin/chromium',
                    args: ['--no-sandbox', '--disable-gpu', '--disable-dev-shm-usage'],
                },
            },
        },
        {
            name: 'firefox',
            use: {
                browserName: '_bidiFirefox',
                launchOptions: { executablePath: process.env.VELMORA_FIREFOX || '/usr/bin/firefox-esr' },
            },
        },
    ],
});
