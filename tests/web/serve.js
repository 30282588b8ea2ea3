// A small static file server for the built site, in plain Node.js: one folder on
// 127.0.0.1, on a free port unless one is given. The page tests start one per test, so a
// test can stop it (offline) or have it pretend a file is missing.
//   serve(folder, { missing, hold, port }) -> Promise<{ url, close(), release(), refused() }>
//   node tests/web/serve.js FOLDER [PORT]   prints the address and serves until Ctrl+C
'use strict';
const fs = require('fs');
const http = require('http');
const path = require('path');

const types = {
    '.html': 'text/html; charset=utf-8',
    '.js': 'text/javascript',
    '.mjs': 'text/javascript',
    '.wasm': 'application/wasm',
    '.css': 'text/css',
    '.svg': 'image/svg+xml',
    '.png': 'image/png',
    '.ico': 'image/x-icon',
    '.woff2': 'font/woff2',
    '.webmanifest': 'application/manifest+json',
    '.json': 'application/json',
    '.txt': 'text/plain; charset=utf-8',
};

function typeOf(file) {
    return types[path.extname(file).toLowerCase()] || 'application/octet-stream';
}

// The file under ROOT that the request path PATHNAME names, or null when the path is not
// well formed or leads outside ROOT. '/' (and any folder) names its index.html.
function fileFor(root, pathname) {
    let decoded;
    try {
        decoded = decodeURIComponent(pathname);
    } catch {
        return null;
    }
    if (decoded.includes('\0'))
        return null;
    const file = path.resolve(root, '.' + path.posix.normalize('/' + decoded.replace(/\\/g, '/')));
    // The normalisation above already drops '..' at the top; the check below also holds
    // against anything it did not foresee.
    const relative = path.relative(root, file);
    if (relative.startsWith('..') || path.isAbsolute(relative))
        return null;
    if (decoded.split(/[\\/]/).includes('..'))
        return null;
    return file;
}

function notFound(response) {
    response.writeHead(404, { 'Content-Type': 'text/plain; charset=utf-8' });
    response.end('Not found\n');
}

// MISSING is a path relative to FOLDER (or a list of them) that answers 404 as if absent;
// HOLD, one whose answer waits until release() (a browser that cannot hold a request
// itself sees the page before it). refused() lists the paths answered with an error.
function serve(folder, { missing = [], hold = [], port = 0 } = {}) {
    const root = path.resolve(folder);
    const files = (names) => new Set([].concat(names).map((name) => path.resolve(root, name)));
    const absent = files(missing);
    const held = files(hold);
    let release;
    const released = new Promise((resolve) => { release = resolve; });
    const refused = [];
    const sockets = new Set();
    const server = http.createServer(async (request, response) => {
        const pathname = request.url.split('?')[0].split('#')[0];
        response.on('finish', () => {
            if (response.statusCode >= 400)
                refused.push(pathname);
        });
        if (request.method !== 'GET' && request.method !== 'HEAD') {
            response.writeHead(405, { Allow: 'GET, HEAD' });
            response.end();
            return;
        }
        let file = fileFor(root, pathname);
        if (file === null) {
            notFound(response);
            return;
        }
        if (held.has(file))
            await released;
        fs.stat(file, (error, stats) => {
            if (!error && stats.isDirectory()) {
                // No listing: a folder is only ever its index.html.
                file = path.join(file, 'index.html');
                stats = fs.existsSync(file) ? fs.statSync(file) : null;
            }
            if (error || !stats || !stats.isFile() || absent.has(file)) {
                notFound(response);
                return;
            }
            response.writeHead(200, {
                'Content-Type': typeOf(file),
                'Content-Length': stats.size,
                'Cache-Control': 'no-cache',
            });
            if (request.method === 'HEAD') {
                response.end();
                return;
            }
            fs.createReadStream(file).pipe(response);
        });
    });
    server.on('connection', (socket) => {
        sockets.add(socket);
        socket.on('close', () => sockets.delete(socket));
    });
    return new Promise((resolve, reject) => {
        server.once('error', reject);
        server.listen(port, '127.0.0.1', () => {
            const url = `http://127.0.0.1:${server.address().port}/`;
            let closing = null;
            resolve({
                url,
                release,
                refused: () => [...refused],
                // Stops listening and cuts every open connection (kept-alive ones too), so
                // that the page really finds the server gone.
                close() {
                    if (!closing) {
                        closing = new Promise((done) => server.close(() => done()));
                        for (const socket of sockets)
                            socket.destroy();
                    }
                    return closing;
                },
            });
        });
    });
}

module.exports = { serve, typeOf, fileFor };

if (require.main === module) {
    const [folder, portText] = process.argv.slice(2);
    const port = portText === undefined ? 0 : Number(portText);
    if (!folder || !Number.isInteger(port) || port < 0 || port > 65535) {
        console.error('usage: node serve.js FOLDER [PORT]');
        process.exit(2);
    }
    if (!fs.existsSync(folder) || !fs.statSync(folder).isDirectory()) {
        console.error(`serve.js: no folder ${folder}`);
        process.exit(1);
    }
    serve(folder, { port }).then((server) => {
        console.log(`Serving ${path.resolve(folder)} at ${server.url} (Ctrl+C stops)`);
        process.on('SIGINT', () => server.close().then(() => process.exit(0)));
        process.on('SIGTERM', () => server.close().then(() => process.exit(0)));
    }, (error) => {
        console.error(`serve.js: ${error.message}`);
        process.exit(1);
    });
}
