// Runs one Qt Test suite built for the browser: serves its folder on 127.0.0.1, opens
// its page in headless Chromium and reads the suite's output from the console. Exits 0
// when the suite ends with no failure, 1 otherwise, printing everything the page said.
//   node scripts/web/run-test-page.js BUILD/tests/NAME.html [SECONDS]
'use strict';
const path = require('path');
const { Browser, serve } = require('./chromium.js');

const page = path.resolve(process.argv[2] || '');
const seconds = Number(process.argv[3] || 240);

(async () => {
    const server = await serve(path.dirname(page));
    const browser = await Browser.launch();
    let status = 1;
    try {
        const tab = await browser.newPage();
        await tab.goto(server.url + path.basename(page));
        const totals = () => tab.console.find((line) => /^Totals: \d+ passed, \d+ failed/.test(line));
        const crashed = () => tab.errors.find((line) => /^Uncaught|RuntimeError|Aborted/.test(line));
        try {
            await tab.waitFor('the suite to print its totals', seconds, async () => totals() || crashed());
        } catch (error) {
            tab.console.push(`run-test-page: ${error.message}`);
        }
        for (const line of tab.console)
            console.log(line);
        const line = totals();
        status = line && / 0 failed/.test(line) && !crashed() ? 0 : 1;
    } finally {
        await browser.close();
        await server.close();
    }
    process.exit(status);
})().catch((error) => {
    console.error(`run-test-page: ${error.stack || error}`);
    process.exit(1);
});
