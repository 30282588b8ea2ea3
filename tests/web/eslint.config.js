// ESLint for all of the page's JavaScript: the start script and the service worker (templates
// the build fills in), the program's library of calls on the page's elements, and the page
// tests. Run from the project's root by scripts/check-js.sh, which names these files.
'use strict';
const js = require('@eslint/js');
const globals = require('globals');
const playwright = require('eslint-plugin-playwright');

// The build replaces each @NAME@ of a template. One standing at a line's start fills in whole
// lines (the service worker's list of files) and is read as blanks; one inside a text as a
// word. Both keep every line's columns, so that a message points at the template's own.
const template = {
    meta: { name: 'velmora-template' },
    preprocess: (text) => [{
        text: text.replace(/^@[A-Z_]+@/gm, (field) => ' '.repeat(field.length))
            .replace(/@([A-Z_]+)@/g, (field, name) => `_${name}_`),
        filename: 'filled.js',
    }],
    postprocess: (messages) => messages.flat(),
};

module.exports = [
    js.configs.recommended,
    {
        languageOptions: { ecmaVersion: 2022, sourceType: 'script' },
        rules: {
            strict: ['error', 'global'],
            'no-var': 'error',
            'prefer-const': 'error',
            eqeqeq: 'error',
        },
    },
    {
        files: ['app/web/*.js.in'],
        processor: template,
    },
    {
        files: ['app/web/start.js.in/*.js'],
        languageOptions: { globals: globals.browser },
    },
    {
        files: ['app/web/service-worker.js.in/*.js'],
        languageOptions: { globals: globals.serviceworker },
    },
    {
        // Emscripten runs the library at build time, where it sees LibraryManager and
        // mergeInto; its functions run in the page beside the runtime's helpers.
        files: ['web/dom.js'],
        languageOptions: {
            globals: {
                ...globals.browser,
                LibraryManager: 'readonly',
                mergeInto: 'readonly',
                UTF8ToString: 'readonly',
                stringToNewUTF8: 'readonly',
                getWasmTableEntry: 'readonly',
                velmoraDom: 'readonly',
                velmoraElement: 'readonly',
            },
        },
    },
    {
        // Node.js runs the tests; what they hand to page.evaluate runs in the page.
        files: ['tests/web/**/*.js'],
        languageOptions: { globals: { ...globals.node, ...globals.browser } },
        rules: {
            // A device's settings are taken apart to drop the one a test may not set.
            'no-unused-vars': ['error', { ignoreRestSiblings: true }],
        },
    },
    {
        // Playwright reads the fixtures a fixture needs off its first parameter's pattern,
        // so a fixture that needs none must write an empty one.
        files: ['tests/web/fixtures.js'],
        rules: { 'no-empty-pattern': 'off' },
    },
    {
        files: ['tests/web/**/*.test.js'],
        ...playwright.configs['flat/recommended'],
    },
    {
        files: ['tests/web/**/*.test.js'],
        rules: {
            // The scenario tests are tables: a row expects a message or the boxes' values.
            'playwright/no-conditional-in-test': 'off',
            'playwright/no-conditional-expect': 'off',
            // A skip here is an engine that cannot do the thing, with its reason printed.
            'playwright/no-skipped-test': 'off',
            'playwright/expect-expect': ['warn', { assertFunctionNames: ['expectBoxes'] }],
        },
    },
];
