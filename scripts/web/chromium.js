// Headless Chromium (Debian's /usr/bin/chromium) driven over the DevTools protocol on a
// pipe, with nothing but Node.js: a static server for a folder on 127.0.0.1, pages to
// load, real mouse and key events, console messages and screenshots. Used by the test
// page runner, the page check and the page benchmark.
'use strict';
const { spawn } = require('child_process');
const fs = require('fs');
const http = require('http');
const os = require('os');
const path = require('path');
const zlib = require('zlib');

const types = {
    '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.wasm': 'application/wasm',
    '.json': 'application/json', '.webmanifest': 'application/manifest+json', '.png': 'image/png',
    '.svg': 'image/svg+xml', '.txt': 'text/plain; charset=utf-8', '.css': 'text/css',
};

// Serves FOLDER on 127.0.0.1 at PORT (any free one by default); resolves to
// { url, close(), stats }. stats.bytes counts what it sent, by path.
function serve(folder, port = 0) {
    folder = path.resolve(folder);
    const stats = { bytes: {} };
    const server = http.createServer((request, response) => {
        const url = new URL(request.url, 'http://localhost');
        let file = path.join(folder, decodeURIComponent(url.pathname));
        if (!file.startsWith(folder)) {
            response.writeHead(403).end();
            return;
        }
        if (fs.existsSync(file) && fs.statSync(file).isDirectory())
            file = path.join(file, 'index.html');
        fs.readFile(file, (error, data) => {
            if (error) {
                response.writeHead(404).end();
                return;
            }
            stats.bytes[url.pathname] = (stats.bytes[url.pathname] || 0) + data.length;
            response.writeHead(200, { 'Content-Type': types[path.extname(file)] || 'application/octet-stream',
                                      'Cache-Control': 'no-cache' });
            response.end(data);
        });
    });
    return new Promise((resolve) => server.listen(port, '127.0.0.1', () => resolve({
        url: `http://127.0.0.1:${server.address().port}/`,
        stats,
        close: () => new Promise((done) => { server.closeAllConnections?.(); server.close(done); }),
    })));
}

class Browser {
    // LANG is the browser's language (navigator.language); SCALE its devicePixelRatio.
    static async launch({ lang = 'en-US', width = 1024, height = 768, scale = 1 } = {}) {
        const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'velmora-chromium-'));
        const args = ['--headless=new', '--no-sandbox', '--disable-gpu', '--enable-unsafe-swiftshader',
                      '--no-first-run', '--disable-background-networking', '--disable-component-update',
                      '--disable-sync', '--disable-quic', `--user-data-dir=${profile}`, '--remote-debugging-pipe',
                      `--lang=${lang}`, `--accept-lang=${lang}`, `--window-size=${width},${height}`,
                      `--force-device-scale-factor=${scale}`, 'about:blank'];
        // In a process group of its own, so that closing ends its helpers as well.
        const child = spawn(process.env.VELMORA_CHROMIUM || '/usr/bin/chromium', args,
                            { stdio: ['ignore', 'ignore', 'ignore', 'pipe', 'pipe'], detached: true,
                              env: { ...process.env, LANGUAGE: lang.replace('-', '_') } });
        const browser = new Browser(child, profile, { width, height, scale });
        await browser.send('Target.setDiscoverTargets', { discover: false });
        return browser;
    }

    constructor(child, profile, viewport) {
        this.child = child;
        this.profile = profile;
        this.viewport = viewport;
        this.nextId = 1;
        this.pending = new Map();
        this.listeners = [];
        let buffer = '';
        child.stdio[4].on('data', (chunk) => {
            buffer += chunk.toString('utf8');
            let end;
            while ((end = buffer.indexOf('\0')) >= 0) {
                const message = JSON.parse(buffer.slice(0, end));
                buffer = buffer.slice(end + 1);
                if (message.id && this.pending.has(message.id)) {
                    const { resolve, reject } = this.pending.get(message.id);
                    this.pending.delete(message.id);
                    message.error ? reject(new Error(`${message.error.message} ${message.error.data || ''}`))
                                  : resolve(message.result);
                } else if (message.method) {
                    for (const listener of this.listeners)
                        listener(message);
                }
            }
        });
        this.exited = new Promise((resolve) => child.on('exit', resolve));
    }

    send(method, params = {}, sessionId = undefined) {
        const id = this.nextId++;
        this.child.stdio[3].write(JSON.stringify({ id, method, params, sessionId }) + '\0');
        return new Promise((resolve, reject) => this.pending.set(id, { resolve, reject }));
    }

    async newPage() {
        const { targetId } = await this.send('Target.createTarget', { url: 'about:blank' });
        const { sessionId } = await this.send('Target.attachToTarget', { targetId, flatten: true });
        const page = new Page(this, sessionId);
        this.listeners.push((message) => message.sessionId === sessionId && page.dispatch(message));
        await page.send('Page.enable');
        await page.send('Runtime.enable');
        await page.send('Log.enable');
        await page.send('Emulation.setDeviceMetricsOverride', {
            width: this.viewport.width, height: this.viewport.height,
            deviceScaleFactor: this.viewport.scale, mobile: false });
        return page;
    }

    async close() {
        try {
            await Promise.race([this.send('Browser.close'), new Promise((r) => setTimeout(r, 3000))]);
        } catch (error) { /* already gone */ }
        try {
            process.kill(-this.child.pid, 'SIGKILL');
        } catch (error) { /* already gone */ }
        await this.exited;
        fs.rmSync(this.profile, { recursive: true, force: true, maxRetries: 10, retryDelay: 100 });
    }
}

class Page {
    constructor(browser, sessionId) {
        this.browser = browser;
        this.sessionId = sessionId;
        this.console = []; // every console line and page error, in order
        this.errors = [];  // the errors among them
        this.handlers = [];
    }

    send(method, params = {}) { return this.browser.send(method, params, this.sessionId); }

    dispatch(message) {
        const p = message.params;
        if (message.method === 'Runtime.consoleAPICalled') {
            const text = p.args.map((a) => a.value !== undefined ? String(a.value) : a.description || '').join(' ');
            this.console.push(text);
            if (p.type === 'error')
                this.errors.push(text);
        } else if (message.method === 'Runtime.exceptionThrown') {
            const d = p.exceptionDetails;
            const text = `Uncaught ${d.exception?.description || d.text}`;
            this.console.push(text);
            this.errors.push(text);
        } else if (message.method === 'Log.entryAdded' && p.entry.level === 'error') {
            this.console.push(p.entry.text);
            this.errors.push(`${p.entry.text} ${p.entry.url || ''}`);
        }
        for (const handler of this.handlers)
            handler(message);
    }

    async goto(url) {
        const loaded = this.event('Page.loadEventFired');
        await this.send('Page.navigate', { url });
        await loaded;
    }

    async reload() {
        const loaded = this.event('Page.loadEventFired');
        await this.send('Page.reload', { ignoreCache: false });
        await loaded;
    }

    event(method) {
        return new Promise((resolve) => {
            const handler = (message) => {
                if (message.method === method) {
                    this.handlers.splice(this.handlers.indexOf(handler), 1);
                    resolve(message.params);
                }
            };
            this.handlers.push(handler);
        });
    }

    async evaluate(expression) {
        const { result, exceptionDetails } = await this.send('Runtime.evaluate',
            { expression, awaitPromise: true, returnByValue: true, userGesture: true });
        if (exceptionDetails)
            throw new Error(exceptionDetails.exception?.description || exceptionDetails.text);
        return result.value;
    }

    // Polls until CONDITION (a function of nothing) is true, for at most SECONDS; says
    // what it waited for when it gives up.
    async waitFor(what, seconds, condition) {
        const end = Date.now() + seconds * 1000;
        while (Date.now() < end) {
            if (await condition())
                return;
            await new Promise((r) => setTimeout(r, 50));
        }
        throw new Error(`waited ${seconds} s for ${what}`);
    }

    async click(x, y, clickCount = 1) {
        for (let n = 1; n <= clickCount; ++n) {
            const common = { x, y, button: 'left', clickCount: n };
            await this.send('Input.dispatchMouseEvent', { type: 'mouseMoved', x, y });
            await this.send('Input.dispatchMouseEvent', { type: 'mousePressed', ...common });
            await this.send('Input.dispatchMouseEvent', { type: 'mouseReleased', ...common });
        }
    }

    // KEY as the DOM names it ("Tab", "Enter", " ", "a", "."); MODIFIERS: 2 Ctrl, 8 Shift.
    // Each with the key code and code a real keyboard sends: Qt 6.8's page reads those.
    async press(key, modifiers = 0) {
        const named = { Tab: [9, 'Tab'], Enter: [13, 'Enter'], Backspace: [8, 'Backspace'], Escape: [27, 'Escape'],
                        ' ': [32, 'Space'], ArrowDown: [40, 'ArrowDown'], ArrowUp: [38, 'ArrowUp'],
                        ArrowLeft: [37, 'ArrowLeft'], ArrowRight: [39, 'ArrowRight'], Delete: [46, 'Delete'],
                        Home: [36, 'Home'], End: [35, 'End'], '.': [190, 'Period'], ',': [188, 'Comma'],
                        '-': [189, 'Minus'], '+': [187, 'Equal'], '*': [56, 'Digit8'] };
        const [keyCode, code] = named[key] ??
            (/[a-z]/i.test(key) ? [key.toUpperCase().charCodeAt(0), `Key${key.toUpperCase()}`]
                                : /[0-9]/.test(key) ? [key.charCodeAt(0), `Digit${key}`] : [0, '']);
        const text = key.length === 1 && !(modifiers & 2) ? key : key === 'Enter' ? '\r' : undefined;
        const base = { key, code, windowsVirtualKeyCode: keyCode, nativeVirtualKeyCode: keyCode, modifiers };
        await this.send('Input.dispatchKeyEvent', { type: text ? 'keyDown' : 'rawKeyDown', text, ...base });
        await this.send('Input.dispatchKeyEvent', { type: 'keyUp', ...base });
    }

    async type(text) {
        for (const character of text)
            await this.press(character);
    }

    async screenshot() {
        const { data } = await this.send('Page.captureScreenshot', { format: 'png' });
        return Buffer.from(data, 'base64');
    }
}

// The pixels of a PNG as Chromium writes its screenshots (8 bits, RGB or RGBA, not
// interlaced): { width, height, rgb(x, y) -> [r, g, b] }.
function decodePng(png) {
    let offset = 8;
    let width = 0, height = 0, channels = 0;
    const data = [];
    while (offset < png.length) {
        const length = png.readUInt32BE(offset);
        const type = png.toString('latin1', offset + 4, offset + 8);
        const body = png.subarray(offset + 8, offset + 8 + length);
        if (type === 'IHDR') {
            width = body.readUInt32BE(0);
            height = body.readUInt32BE(4);
            if (body[8] !== 8 || body[12] !== 0 || ![2, 6].includes(body[9]))
                throw new Error('not an 8-bit, non-interlaced RGB or RGBA PNG');
            channels = body[9] === 6 ? 4 : 3;
        } else if (type === 'IDAT') {
            data.push(body);
        }
        offset += 12 + length;
    }
    const raw = zlib.inflateSync(Buffer.concat(data));
    const stride = width * channels;
    const pixels = Buffer.alloc(stride * height);
    for (let y = 0; y < height; ++y) {
        const filter = raw[y * (stride + 1)];
        const line = raw.subarray(y * (stride + 1) + 1, (y + 1) * (stride + 1));
        for (let i = 0; i < stride; ++i) {
            const a = i >= channels ? pixels[y * stride + i - channels] : 0;
            const b = y > 0 ? pixels[(y - 1) * stride + i] : 0;
            const c = i >= channels && y > 0 ? pixels[(y - 1) * stride + i - channels] : 0;
            let predicted = 0;
            if (filter === 1) predicted = a;
            else if (filter === 2) predicted = b;
            else if (filter === 3) predicted = (a + b) >> 1;
            else if (filter === 4) {
                const p = a + b - c, pa = Math.abs(p - a), pb = Math.abs(p - b), pc = Math.abs(p - c);
                predicted = pa <= pb && pa <= pc ? a : pb <= pc ? b : c;
            }
            pixels[y * stride + i] = (line[i] + predicted) & 0xff;
        }
    }
    const rgb = (x, y) => {
        const at = y * stride + x * channels;
        return [pixels[at], pixels[at + 1], pixels[at + 2]];
    };
    return { width, height, rgb };
}

module.exports = { Browser, serve, decodePng };
