// Results follow the decimal separator of the browser's language; input always takes a
// point.
'use strict';
const { test, expect } = require('./fixtures');

test.use({ locale: 'de-DE' });

const cases = [
    { option: 'M', input: '2', boxes: { friction: '0,305', temperature: '0,6667', stagnation: '1,6875' } },
    { option: 'friction', input: '0.5', boxes: { mach: '0,5977', supersonic: '2,8604' } },
];

for (const { option, input, boxes } of cases) {
    test(`in German, option ${option} with ${input} gives results with a decimal comma`, async ({ velmora }) => {
        await velmora.run(option, input);
        for (const [key, text] of Object.entries(boxes))
            await expect(velmora.box(key), key).toHaveValue(text);
    });
}
