// Runs the Playwright tests in Debian's Firefox ESR, where its WebDriver BiDi has what
// Playwright's browser type for a stock Firefox asks for. Firefox ESR 140 (Debian 12's
// release archive) answers its first calls "unknown command" (network.addDataCollector,
// then emulation.setLocaleOverride); 153 (Debian 12's security archive, which an
// installed Debian has) and Debian 13's run them all. With an older one the engine's
// tests are skipped, the reason printed, and the exit status is CTest's "skipped".
//   node firefox.js [playwright test options]
'use strict';
const { execFileSync, spawnSync } = require('child_process');

const firefox = process.env.VELMORA_FIREFOX || '/usr/bin/firefox-esr';
const firstWorking = 141; // 140 measured to fail, 153 to pass
const skipped = 77;

let version;
try {
    version = execFileSync(firefox, ['--version'], { encoding: 'utf-8' }).trim();
} catch (error) {
    console.error(`page tests in Firefox: cannot run ${firefox}: ${error.message}`);
    process.exit(1);
}
const major = Number((version.match(/(\d+)\.\d+/) || [])[1]);
if (!(major >= firstWorking)) {
    console.log(`skipped in firefox: every test: ${version} lacks WebDriver BiDi commands that ` +
                'Playwright uses; install firefox-esr from Debian\'s security archive');
    process.exit(skipped);
}
const run = spawnSync('npx', ['--no-install', 'playwright', 'test', '--project=firefox', ...process.argv.slice(2)],
                      { stdio: 'inherit', cwd: __dirname });
process.exit(run.status === null ? 1 : run.status);
