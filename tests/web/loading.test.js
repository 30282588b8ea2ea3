// How the page loads: offline after one visit (its service worker keeps it), and a plain
// message instead of the program when velmora.wasm cannot be had.
'use strict';
const { test, expect } = require('./fixtures');
const { Velmora } = require('./velmora');

test('after one visit the page works with the server gone', async ({ page, server, velmora }) => {
    await page.evaluate(() => navigator.serviceWorker.ready);
    if (!(await page.evaluate(() => navigator.serviceWorker.controller !== null))) {
        await page.reload();
        await velmora.ready();
    }
    await expect.poll(() => page.evaluate(() => navigator.serviceWorker.controller !== null),
                      'the service worker controls the page').toBe(true);
    await server.close();
    await page.reload();
    await velmora.ready();
    await velmora.run('M', '2');
    await expect(velmora.box('friction')).toHaveValue('0.305');
});

test.describe(() => {
    test.use({ allowErrors: true });

    test('without velmora.wasm the page says so in plain text and shows no controls',
         async ({ page, serveSite }) => {
             const server = await serveSite({ missing: 'velmora.wasm' });
             await page.goto(server.url);
             await expect(page.getByText(/velmora\.wasm/)).toBeVisible({ timeout: 15_000 });
             for (const role of ['textbox', 'radio', 'button', 'menuitem'])
                 await expect(page.getByRole(role), role).toHaveCount(0);
         });

    // A page that lost an element the program needs (an edited or half-copied site).
    test('a page without an element of the program says so once and computes nothing',
         async ({ page, server, errors }) => {
             await page.route(server.url, async (route) => {
                 const response = await route.fetch();
                 const body = (await response.text()).replace('id="Text_FLD4"', 'id="renamed"');
                 await route.fulfill({ response, body });
             });
             await page.goto(server.url);
             const said = 'Velmora cannot start: this page has no element "Text_FLD4".';
             await expect(page.getByText(said)).toBeVisible({ timeout: 15_000 });
             await expect(page.locator('[inert]')).not.toHaveCount(0);
             expect(errors.filter((line) => line.includes(said))).toHaveLength(1);
             expect(errors.filter((line) => !line.includes(said))).toEqual([]);
         });
});

test('a browser without WebAssembly is told so in the page', async ({ page, server }) => {
    await page.addInitScript(() => { delete window.WebAssembly; });
    await page.goto(server.url);
    await expect(page.getByText(/needs WebAssembly/)).toBeVisible();
    await expect(page.getByRole('textbox')).toHaveCount(0);
});

test('the page loads with no missing file when everything is served', async ({ page, server }) => {
    const failed = [];
    page.on('response', (response) => { if (response.status() >= 400) failed.push(response.url()); });
    page.on('requestfailed', (request) => failed.push(request.url()));
    await new Velmora(page).open(server.url);
    // Until every file the page asks for, the service worker's too, has been answered.
    // eslint-disable-next-line playwright/no-networkidle
    await page.waitForLoadState('networkidle');
    expect(failed).toEqual([]);
});

// The browser offers to install the page as an app: a manifest with its icons, a service
// worker, and nothing Chromium finds missing.
test('Chromium can install the page as an app', async ({ page, velmora, browserName }) => {
    test.skip(browserName !== 'chromium', 'the install check is read through Chromium\'s DevTools');
    await velmora.ready();
    await page.evaluate(() => navigator.serviceWorker.ready);
    const devTools = await page.context().newCDPSession(page);
    const { installabilityErrors } = await devTools.send('Page.getInstallabilityErrors');
    // A test's browser context is a private window, where Chromium installs nothing.
    expect(installabilityErrors.map((error) => error.errorId).filter((id) => id !== 'in-incognito')).toEqual([]);
});
