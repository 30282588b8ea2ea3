// Results follow the decimal separator of the browser's language; input always takes a
// point.
'use strict';
const { test } = require('./fixtures');
const { pick, enact, expectBoxes } = require('./scenarios');

// The calculations in a locale other than C, by the browser's language.
const cases = pick((s) => s.locale !== 'C' && s.message === null);

for (const locale of new Set(cases.map((s) => s.browserLocale))) {
    test.describe(locale, () => {
        test.use({ locale });
        for (const s of cases.filter((c) => c.browserLocale === locale)) {
            test(`${s.name} gives its results in ${locale}`, async ({ velmora }) => {
                await enact(velmora, s);
                await expectBoxes(velmora, s);
            });
        }
    });
}
