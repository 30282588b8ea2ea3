// The page's side of web/dom.h: a few generic calls on the element of an id. Texts cross as
// UTF-8, ended by a zero byte; a call on an element the page lacks does nothing.
'use strict';

const velmoraLibrary = {
    $velmoraDom: { missing: false },

    $velmoraElement: function (id) {
        return document.getElementById(UTF8ToString(id));
    },

    // The first element the page lacks is named once, in the page and in the console; the
    // program then leaves its windows unbound, so that nothing false is ever computed.
    velmora_has: function (id) {
        if (velmoraElement(id))
            return 1;
        if (!velmoraDom.missing) {
            velmoraDom.missing = true;
            const text = `Velmora cannot start: this page has no element "${UTF8ToString(id)}". ` +
                'Reload the page; if it stays, the site is incomplete.';
            console.error(text);
            const status = document.getElementById('status');
            if (status)
                Object.assign(status, { hidden: false, className: 'failed', textContent: text });
        }
        return 0;
    },

    // A property as text, in memory the program frees.
    velmora_get: function (id, property) {
        const element = velmoraElement(id);
        return stringToNewUTF8(element ? String(element[UTF8ToString(property)]) : '');
    },

    // What a change sets: a property to text or to true or false, an attribute (no value
    // removes it) or a style property.
    velmora_set: function (id, what, name, value) {
        const element = velmoraElement(id);
        const key = UTF8ToString(name);
        if (!element)
            return;
        if (what === 0)
            element[key] = UTF8ToString(value);
        else if (what === 1)
            element[key] = value !== 0;
        else if (what === 2 && value)
            element.setAttribute(key, UTF8ToString(value));
        else if (what === 2)
            element.removeAttribute(key);
        else
            element.style.setProperty(key, UTF8ToString(value));
    },

    velmora_call: function (id, method) {
        const element = velmoraElement(id);
        if (element)
            element[UTF8ToString(method)]();
    },

    // The program's listener(data) runs on each such event of the element.
    velmora_listen: function (id, event, listener, data) {
        const element = velmoraElement(id);
        if (element)
            element.addEventListener(UTF8ToString(event), () => getWasmTableEntry(listener)(data));
    },

    // An SVG line from (a, b) to (c, d), or a circle round (a, b) of radius c.
    velmora_append: function (id, tag, a, b, c, d, colour) {
        const shape = document.createElementNS('http://www.w3.org/2000/svg', UTF8ToString(tag));
        const names = shape.localName === 'line' ? ['x1', 'y1', 'x2', 'y2'] : ['cx', 'cy', 'r'];
        names.forEach((name, i) => shape.setAttribute(name, [a, b, c, d][i]));
        shape.setAttribute('stroke', UTF8ToString(colour));
        shape.setAttribute('fill', 'none');
        const svg = velmoraElement(id);
        if (svg)
            svg.appendChild(shape);
    },

    velmora_decimal_separator: function () {
        const decimal = new Intl.NumberFormat(navigator.language).formatToParts(1.5)
            .find((part) => part.type === 'decimal');
        return stringToNewUTF8(decimal ? decimal.value : '.');
    },
};

// Every call may use every helper. The string helpers are the runtime's own in older
// emscripten, and library functions, which must be named, in newer ones; the table's
// entries are a library function in both.
const velmoraRuntime = ['$UTF8ToString', '$stringToNewUTF8', '$getWasmTableEntry']
    .filter((name) => name in LibraryManager.library);
velmoraLibrary.$velmoraElement__deps = velmoraRuntime;
for (const name of Object.keys(velmoraLibrary))
    if (name.startsWith('velmora_'))
        velmoraLibrary[`${name}__deps`] = ['$velmoraDom', '$velmoraElement'].concat(velmoraRuntime);
mergeInto(LibraryManager.library, velmoraLibrary);
