// The test server itself (serve.js): MIME types, the index for '/', no listings, no way
// out of the folder, and a file it pretends is missing.
'use strict';
const fs = require('fs');
const http = require('http');
const os = require('os');
const path = require('path');
const { spawn } = require('child_process');
const { test, expect } = require('@playwright/test');
const { serve } = require('./serve');

// A GET of the raw path PATH (sent as is, '..' and all); resolves to status, type, body.
function get(url, rawPath) {
    const { hostname, port } = new URL(url);
    return new Promise((resolve, reject) => {
        http.get({ hostname, port, path: rawPath, agent: false }, (response) => {
            let body = '';
            response.setEncoding('latin1');
            response.on('data', (chunk) => { body += chunk; });
            response.on('end', () => resolve({ status: response.statusCode,
                                               type: response.headers['content-type'], body }));
        }).on('error', reject);
    });
}

let root, folder;

test.beforeAll(() => {
    root = fs.mkdtempSync(path.join(os.tmpdir(), 'velmora-serve-'));
    folder = path.join(root, 'site');
    fs.mkdirSync(path.join(folder, 'sub'), { recursive: true });
    fs.writeFileSync(path.join(root, 'secret.txt'), 'outside');
    fs.writeFileSync(path.join(folder, 'index.html'), '<title>index</title>');
    fs.writeFileSync(path.join(folder, 'sub', 'note.txt'), 'in a folder');
    for (const name of ['a.js', 'a.wasm', 'a.css', 'a.svg', 'a.png', 'a.woff2', 'a.webmanifest', 'a.json', 'a.bin'])
        fs.writeFileSync(path.join(folder, name), name);
});

test.afterAll(() => fs.rmSync(root, { recursive: true, force: true }));

const types = [
    ['/', 'text/html; charset=utf-8', '<title>index</title>'],
    ['/index.html', 'text/html; charset=utf-8', '<title>index</title>'],
    ['/a.js', 'text/javascript', 'a.js'],
    ['/a.wasm', 'application/wasm', 'a.wasm'],
    ['/a.css', 'text/css', 'a.css'],
    ['/a.svg', 'image/svg+xml', 'a.svg'],
    ['/a.png', 'image/png', 'a.png'],
    ['/a.woff2', 'font/woff2', 'a.woff2'],
    ['/a.webmanifest', 'application/manifest+json', 'a.webmanifest'],
    ['/a.json', 'application/json', 'a.json'],
    ['/sub/note.txt', 'text/plain; charset=utf-8', 'in a folder'],
    ['/a.bin', 'application/octet-stream', 'a.bin'],
    ['/a.js?v=3', 'text/javascript', 'a.js'],
];

test('each file is served with its MIME type', async () => {
    const server = await serve(folder);
    try {
        for (const [url, type, body] of types)
            expect(await get(server.url, url), url).toEqual({ status: 200, type, body });
    } finally {
        await server.close();
    }
});

const refused = ['/../secret.txt', '/sub/../../secret.txt', '/%2e%2e/secret.txt', '/..%2fsecret.txt',
                 '/sub/', '/sub', '/nothing.js', '/%E0%A4%A'];

test('paths outside the folder, folders without an index and absent files are 404', async () => {
    const server = await serve(folder);
    try {
        for (const url of refused) {
            const answer = await get(server.url, url);
            expect(answer.status, url).toBe(404);
            expect(answer.body, url).not.toContain('outside');
            expect(answer.body, url).not.toContain('note.txt');
        }
    } finally {
        await server.close();
    }
});

test('a file named missing answers 404 while the others are still served', async () => {
    const server = await serve(folder, { missing: 'a.wasm' });
    try {
        expect((await get(server.url, '/a.wasm')).status).toBe(404);
        expect((await get(server.url, '/a.js')).status).toBe(200);
    } finally {
        await server.close();
    }
});

test('a held file is answered once released, and the paths refused are listed', async () => {
    const server = await serve(folder, { hold: 'a.wasm', missing: 'a.css' });
    try {
        let answered = null;
        const held = get(server.url, '/a.wasm').then((answer) => { answered = answer; });
        expect((await get(server.url, '/a.js')).status).toBe(200);
        expect(answered).toBeNull();
        server.release();
        await held;
        expect(answered).toEqual({ status: 200, type: 'application/wasm', body: 'a.wasm' });
        await get(server.url, '/a.css');
        await get(server.url, '/../secret.txt');
        expect(server.refused()).toEqual(['/a.css', '/../secret.txt']);
    } finally {
        await server.close();
    }
});

test('after close the address no longer answers', async () => {
    const server = await serve(folder);
    expect((await get(server.url, '/')).status).toBe(200);
    await server.close();
    await expect(get(server.url, '/')).rejects.toThrow(/ECONNREFUSED/);
});

test('run as a program it prints its address and serves until stopped', async () => {
    const child = spawn(process.execPath, [path.join(__dirname, 'serve.js'), folder], { stdio: ['ignore', 'pipe', 'pipe'] });
    try {
        const url = await new Promise((resolve, reject) => {
            let out = '';
            child.stdout.on('data', (chunk) => {
                out += chunk;
                const found = out.match(/http:\/\/127\.0\.0\.1:\d+\//);
                if (found)
                    resolve(found[0]);
            });
            child.on('exit', (code) => reject(new Error(`serve.js exited with ${code}`)));
        });
        expect(await get(url, '/a.wasm')).toEqual({ status: 200, type: 'application/wasm', body: 'a.wasm' });
    } finally {
        child.kill('SIGINT');
    }
    expect(await new Promise((resolve) => child.on('exit', (code) => resolve(code)))).toBe(0);
});
