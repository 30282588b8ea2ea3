// Runs the page tests of checks.js in WebKitGTK: Debian's WebKitWebDriver starts its
// MiniBrowser, driven through classic WebDriver by selenium-webdriver, on the site built
// in VELMORA_SITE (default build-web/site), each check on a server of its own. Starts Xvfb
// when there is no DISPLAY. What WebKit cannot do is printed as
// "skipped in webkit: TEST: REASON"; the exit status is 1 when any check fails.
//   node webkit/run.js [--grep TEXT]
'use strict';
const childProcess = require('child_process');
const fs = require('fs');
const net = require('net');
const os = require('os');
const path = require('path');
const { Builder } = require('selenium-webdriver');
const { serve } = require('../serve');
const { WebKitVelmora } = require('./page');
const { checks } = require('./checks');

const site = path.resolve(process.env.VELMORA_SITE || path.join(__dirname, '../../../build-web/site'));
const driverProgram = process.env.VELMORA_WEBKIT_DRIVER || 'WebKitWebDriver';
// Debian puts it in the machine's multiarch folder: /usr/lib/x86_64-linux-gnu/… and so on.
const browser = process.env.VELMORA_WEBKIT_BROWSER || fs.readdirSync('/usr/lib')
    .map((folder) => path.join('/usr/lib', folder, 'webkit2gtk-4.1/MiniBrowser'))
    .find((file) => fs.existsSync(file));
const scratch = fs.mkdtempSync(path.join(os.tmpdir(), 'velmora-webkit-'));
const started = [];

// Ends what the run started, the browser's driver before the display, and waits for each
// to end, so that none is left behind unreaped.
async function stopAll() {
    for (const child of started.reverse()) {
        if (child.exitCode !== null || child.signalCode !== null)
            continue;
        const ended = new Promise((resolve) => child.once('exit', resolve));
        child.kill();
        await ended;
    }
    // The browser, which the driver started, may still be writing its cache as it ends.
    fs.rmSync(scratch, { recursive: true, force: true, maxRetries: 10 });
}

function freePort() {
    return new Promise((resolve, reject) => {
        const server = net.createServer().once('error', reject);
        server.listen(0, '127.0.0.1', () => {
            const { port } = server.address();
            server.close(() => resolve(port));
        });
    });
}

async function waitFor(condition, what) {
    for (let attempt = 0; attempt < 200; ++attempt) {
        if (await condition())
            return;
        await new Promise((resolve) => setTimeout(resolve, 100));
    }
    throw new Error(`${what} did not come`);
}

// Xvfb on a display no one uses: it writes the display's number once it takes clients.
async function startXvfb() {
    // -noreset: a browser that starts as the last one leaves finds the display still there.
    const xvfb = childProcess.spawn('Xvfb', ['-displayfd', '3', '-screen', '0', '1280x1024x24', '-nolisten', 'tcp',
                                             '-noreset'],
                                    { stdio: ['ignore', 'ignore', 'ignore', 'pipe'] });
    started.push(xvfb);
    let number = '';
    xvfb.stdio[3].on('data', (data) => { number += data; });
    await waitFor(() => number.includes('\n') || xvfb.exitCode !== null, 'Xvfb\'s display');
    if (xvfb.exitCode !== null)
        throw new Error('Xvfb ended at start');
    process.env.DISPLAY = `:${number.trim()}`;
}

// The browser's language comes from the C library's locale, which a fresh Debian has not
// made: each is made here, into the run's own folder, as localedef makes it (the package
// locales holds its sources).
function makeLocale(locale) {
    const name = `${locale.replace('-', '_')}.UTF-8`;
    const folder = path.join(scratch, 'locales');
    fs.mkdirSync(folder, { recursive: true });
    const made = childProcess.spawnSync('localedef', ['-i', name.split('.')[0], '-f', 'UTF-8', path.join(folder, name)]);
    if (!fs.existsSync(path.join(folder, name)))
        throw new Error(`localedef could not make ${name}: ${made.error || made.stderr}`);
    return { LOCPATH: folder, LANG: name, LC_ALL: name };
}

// MiniBrowser's own widgets (its bar's buttons and address entry) shrunk to nothing much,
// so that its window can be as narrow as a phone's screen; the page's controls are drawn
// by WebKit itself, not by GTK.
function gtkSettings() {
    const folder = path.join(scratch, 'config');
    fs.mkdirSync(path.join(folder, 'gtk-3.0'), { recursive: true });
    fs.writeFileSync(path.join(folder, 'gtk-3.0', 'gtk.css'),
                     '* { min-width: 0; min-height: 0; padding: 0; margin: 0; border-width: 0; '
                     + 'font-size: 1px; }\n');
    return folder;
}

// A WebKitWebDriver of its own for each locale (the browser takes the driver's
// environment), with the browser's files in the run's folder.
async function startDriver(locale) {
    const port = await freePort();
    const home = path.join(scratch, locale);
    const env = {
        ...process.env, ...makeLocale(locale),
        XDG_CONFIG_HOME: gtkSettings(), XDG_CACHE_HOME: path.join(home, 'cache'),
        XDG_DATA_HOME: path.join(home, 'data'),
    };
    for (const folder of [env.XDG_CACHE_HOME, env.XDG_DATA_HOME])
        fs.mkdirSync(folder, { recursive: true });
    const driver = childProcess.spawn(driverProgram, [`--port=${port}`],
                                      { env, stdio: ['ignore', 'ignore', 'inherit'] });
    started.push(driver);
    const url = `http://127.0.0.1:${port}`;
    await waitFor(async () => {
        if (driver.exitCode !== null)
            throw new Error(`${driverProgram} ended at start`);
        try {
            return (await fetch(`${url}/status`)).ok;
        } catch {
            return false;
        }
    }, `${driverProgram} on port ${port}`);
    return url;
}

// A browser session, its page to be sized by resize().
function startSession(driverUrl) {
    return new Builder().usingServer(driverUrl).withCapabilities({
        browserName: 'MiniBrowser',
        'webkitgtk:browserOptions': { binary: browser, args: ['--automation'] },
    }).build();
}

// Makes the page SIZE (CSS pixels): the window is grown by what MiniBrowser's bar takes.
// The window takes its size a moment after it is asked: the page is measured again until
// it has changed.
async function resize(session, size) {
    const window = session.manage().window();
    const measure = () => session.executeScript('return [innerWidth, innerHeight]');
    let inner = await measure();
    for (let attempt = 0; attempt < 5 && (inner[0] !== size.width || inner[1] !== size.height); ++attempt) {
        const outer = await window.getRect();
        await window.setRect({ width: outer.width + size.width - inner[0],
                               height: outer.height + size.height - inner[1] });
        const before = inner;
        for (let look = 0; look < 20 && inner[0] === before[0] && inner[1] === before[1]; ++look) {
            await new Promise((resolve) => setTimeout(resolve, 100));
            inner = await measure();
        }
    }
    if (inner[0] !== size.width || inner[1] !== size.height)
        throw new Error(`the page is ${inner.join('×')}, not ${size.width}×${size.height}`);
}

// Collects the page's errors from when it has loaded (WebDriver cannot reach its console,
// nor run a script before the page's own).
const watchErrors = `window.velmoraErrors = [];
    window.addEventListener('error', (e) => window.velmoraErrors.push('page error: ' + e.message));
    window.addEventListener('unhandledrejection', (e) => window.velmoraErrors.push('page error: ' + e.reason));
    const error = console.error.bind(console);
    console.error = (...args) => { window.velmoraErrors.push('console error: ' + args.join(' ')); error(...args); };`;

async function runCheck(session, check) {
    const servers = [];
    const serveSite = async (options) => {
        const server = await serve(site, options);
        servers.push(server);
        return server;
    };
    const velmora = new WebKitVelmora(session);
    try {
        let server = null;
        if (!check.serves) {
            server = await serveSite();
            await velmora.open(server.url);
            await session.executeScript(watchErrors);
        }
        await check.run({ velmora, driver: session, server, serveSite });
        const errors = await session.executeScript('return window.velmoraErrors || []');
        if (!check.allowErrors && errors.length > 0)
            throw new Error(`console errors and page errors: ${errors.join('; ')}`);
    } finally {
        await Promise.all(servers.map((server) => server.close()));
    }
}

async function main() {
    const grep = process.argv.indexOf('--grep');
    const only = grep > 0 ? process.argv[grep + 1] : null;
    if (!fs.existsSync(path.join(site, 'index.html')))
        throw new Error(`no site in ${site} (build it with scripts/build-web.sh, or set VELMORA_SITE)`);
    if (!browser)
        throw new Error('no MiniBrowser in /usr/lib/*/webkit2gtk-4.1 (Debian\'s libwebkit2gtk-4.1-0)');
    if (!process.env.DISPLAY)
        await startXvfb();
    const counts = { passed: 0, skipped: 0, failed: 0 };
    const chosen = checks.filter((check) => !only || check.title.includes(only));
    // One driver and browser for each locale, in turn; after a failure, a fresh browser.
    for (const locale of new Set(chosen.map((check) => check.locale))) {
        const driverUrl = await startDriver(locale);
        let session = null;
        let size = null;
        for (const check of chosen.filter((c) => c.locale === locale)) {
            if (check.skip) {
                console.log(`skipped in webkit: ${check.title}: ${check.skip}`);
                ++counts.skipped;
                continue;
            }
            try {
                if (!session) {
                    session = await startSession(driverUrl);
                    size = null;
                }
                if (size !== check.size) {
                    await resize(session, check.size);
                    size = check.size;
                }
                await runCheck(session, check);
                console.log(`  ok  ${check.title}`);
                ++counts.passed;
            } catch (error) {
                console.log(`  FAILED  ${check.title}\n${String(error.stack || error).replace(/^/gm, '      ')}`);
                ++counts.failed;
                await session?.quit().catch(() => {});
                session = null;
            }
        }
        await session?.quit().catch(() => {});
    }
    console.log(`webkit: ${counts.passed} passed, ${counts.skipped} skipped, ${counts.failed} failed`);
    return counts.failed === 0 && counts.passed > 0 ? 0 : 1;
}

// Stopped from outside (Ctrl+C, a test driver's timeout): still ends what it started.
for (const signal of ['SIGINT', 'SIGTERM'])
    process.once(signal, () => stopAll().finally(() => process.exit(1)));

main().catch((error) => {
    console.error(`webkit/run.js: ${error.stack || error}`);
    return 1;
}).then(async (status) => {
    await stopAll();
    process.exit(status);
});
