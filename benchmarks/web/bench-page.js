// The page's rows of scripts/bench-web.sh, as Markdown table rows on standard output:
// Lighthouse 12.2.3's mobile runs (its default: a phone's screen with simulated
// throttling) of the site served on 127.0.0.1, LIGHTHOUSE_RUNS of them (default 5), then the time of a calculate click in
// each input mode, measured inside the page in Debian's Chromium driven by Playwright.
// Benchmarks, not tests: no time passes or fails; the script stops only when it cannot
// measure (no page, no result after the clicks, Lighthouse's own error).
//   node benchmarks/web/bench-page.js SITE RUNS [LIGHTHOUSE_RUNS]
// CHROME_PATH names the Chromium to use (default /usr/bin/chromium).
'use strict';
const fs = require('fs');
const path = require('path');

const repo = path.resolve(__dirname, '../..');
const { serve } = require(path.join(repo, 'tests/web/serve.js'));
// Playwright comes with the page tests' packages (tests/web), not with these.
const { chromium } = require(path.join(repo, 'tests/web/node_modules/playwright-core'));

const chromePath = process.env.CHROME_PATH || '/usr/bin/chromium';

// Lighthouse's figures, each from one audit's numericValue (milliseconds), in the unit
// Lighthouse shows it in: the blocking time in ms, the paints and interactivity in s.
const timings = [
    ['page: total blocking time', 'total-blocking-time', 'ms'],
    ['page: first contentful paint', 'first-contentful-paint', 's'],
    ['page: largest contentful paint', 'largest-contentful-paint', 's'],
    ['page: time to interactive', 'interactive', 's'],
];

// The two input modes: the option, the box typed into, the text, and the box the result
// appears in, with what it must hold after the clicks (null: anything but empty).
const modes = [
    { label: 'M', radio: 'M', input: 'Mach number', text: '2',
      result: 'Friction parameter 4fL*/D', expected: '0.305' },
    { label: '4fL*/D', radio: '4 f L*/D', input: 'Friction parameter 4fL*/D', text: '0.5',
      result: 'Mach number', expected: null },
];

function row(name, value) {
    console.log(`| ${name} | ${value} |`);
}

function median(values) {
    const sorted = [...values].sort((a, b) => a - b);
    const middle = Math.floor(sorted.length / 2);
    return sorted.length % 2 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2;
}

function milliseconds(value, unit) {
    return unit === 'ms' ? `${Math.round(value)} ms` : `${(value / 1000).toFixed(1)} s`;
}

// One Lighthouse run through its Node API, in a Chromium of its own that is ended however
// the run goes: its report.
async function lighthouseReport(url) {
    const { default: lighthouse } = await import('lighthouse');
    const chromeLauncher = await import('chrome-launcher');
    const chrome = await chromeLauncher.launch({
        chromePath,
        chromeFlags: ['--headless=new', '--no-sandbox'],
        logLevel: 'silent',
    });
    let result;
    try {
        result = await lighthouse(url, {
            port: chrome.port,
            output: 'json',
            logLevel: 'error',
            onlyCategories: ['performance', 'accessibility'],
        });
    } finally {
        await chrome.kill();
    }
    const report = result && result.lhr;
    if (!report)
        throw new Error('Lighthouse returned no report');
    if (report.runtimeError)
        throw new Error(`Lighthouse: ${report.runtimeError.code}: ${report.runtimeError.message}`);
    return report;
}

// A figure of several runs: their median, and their range when they differ.
function spread(values, format) {
    const low = Math.min(...values);
    const high = Math.max(...values);
    const middle = format(median(values));
    return format(low) === format(high) ? middle : `${middle} (${format(low)}–${format(high)})`;
}

// Lighthouse's figures vary from run to run with what else the machine does, so each is
// the median of LIGHTHOUSE_RUNS runs (Lighthouse's own advice: five), with their range.
async function lighthouseRows(url, runs) {
    const reports = [];
    for (let run = 0; run < runs; run++)
        reports.push(await lighthouseReport(url));
    const of = `, median of ${runs}`;
    for (const [id, title] of [['performance', 'performance'], ['accessibility', 'accessibility']]) {
        const scores = reports.map((report) => report.categories[id] && report.categories[id].score);
        if (!scores.every((score) => typeof score === 'number'))
            throw new Error(`Lighthouse gave no ${title} score`);
        row(`page: Lighthouse mobile ${title}${of}`, spread(scores, (score) => score.toFixed(2)));
    }
    for (const [name, audit, unit] of timings) {
        const values = reports.map((report) => {
            const value = report.audits[audit] && report.audits[audit].numericValue;
            if (typeof value !== 'number') {
                const why = report.audits[audit] && report.audits[audit].errorMessage;
                throw new Error(`Lighthouse has no value for ${audit}${why ? `: ${why}` : ''}`);
            }
            return value;
        });
        row(`${name}${of}`, spread(values, (value) => milliseconds(value, unit)));
    }
}

// One mode's click, RUNS times after one uncounted click (the first pays for code the
// engine has not compiled yet): from just before the click until the next animation
// frame after the page has handled it.
async function clickRow(page, url, mode, runs) {
    await page.goto(url);
    try {
        await page.getByRole('button', { name: 'Coose an Input Option' }).waitFor({ timeout: 30_000 });
    } catch (error) {
        throw new Error(`the page showed no "Coose an Input Option" button within 30 s`);
    }
    await page.getByRole('radio', { name: mode.radio, exact: true }).check();
    await page.getByRole('textbox', { name: mode.input, exact: true }).fill(mode.text);
    const button = page.getByRole('button', { name: 'Input value then CLICK', exact: true });
    await button.waitFor();
    const element = await button.elementHandle();
    const click = (target) => target.evaluate(async (node) => {
        const t0 = performance.now();
        node.click();
        await new Promise((resolve) => requestAnimationFrame(() => setTimeout(resolve, 0)));
        return performance.now() - t0;
    });
    await click(element);
    const times = [];
    for (let run = 0; run < runs; run++)
        times.push(await click(element));
    const result = await page.getByRole('textbox', { name: mode.result, exact: true }).inputValue();
    if (mode.expected !== null ? result !== mode.expected : result === '')
        throw new Error(`after the clicks in ${mode.label} mode, "${mode.result}" holds "${result}"`
            + (mode.expected !== null ? `, not ${mode.expected}` : ''));
    row(`page: calculate click, ${mode.label} mode, to the next frame (median of ${runs})`,
        `${median(times).toFixed(1)} ms`);
}

async function clickRows(url, runs) {
    const browser = await chromium.launch({ executablePath: chromePath, args: ['--no-sandbox'] });
    try {
        const page = await browser.newPage();
        for (const mode of modes)
            await clickRow(page, url, mode, runs);
    } finally {
        await browser.close();
    }
}

async function main() {
    const [site, runsText, lighthouseRunsText = '5'] = process.argv.slice(2);
    const runs = Number(runsText);
    const lighthouseRuns = Number(lighthouseRunsText);
    if (!site || !Number.isInteger(runs) || runs < 1 || !Number.isInteger(lighthouseRuns) || lighthouseRuns < 1) {
        console.error('usage: node bench-page.js SITE RUNS [LIGHTHOUSE_RUNS]');
        process.exit(2);
    }
    if (!fs.existsSync(path.join(site, 'index.html')))
        throw new Error(`no site in ${site}`);
    // chrome-launcher would fail on a missing browser with an error nothing can catch.
    try {
        fs.accessSync(chromePath, fs.constants.X_OK);
    } catch (error) {
        throw new Error(`no Chromium at ${chromePath}`);
    }
    const server = await serve(site);
    try {
        await lighthouseRows(server.url, lighthouseRuns);
        await clickRows(server.url, runs);
    } finally {
        await server.close();
    }
}

main().catch((error) => {
    console.error(`bench-page.js: ${error.message}`);
    process.exit(1);
});
