// The page's controls by the names a visitor or a screen reader knows them by, and the
// program's control names that data/scenarios.tsv uses. Plain data, with no test runner, so
// that the Playwright tests and the WebKit runner (webkit/run.js) read the same names.
'use strict';

const names = {
    gamma: 'Ratio of specific heats γ',
    mach: 'Mach number',
    supersonic: 'Supersonic Mach number',
    friction: 'Friction parameter 4fL*/D',
    temperature: 'Temperature ratio T/T*',
    pressure: 'Pressure ratio p/p*',
    density: 'Density ratio ρ/ρ*',
    stagnation: 'Stagnation pressure ratio p0/p0*',
};
// The boxes a calculation writes, as opposed to the γ box, which is only ever input.
const resultBoxes = ['mach', 'supersonic', 'friction', 'temperature', 'pressure', 'density', 'stagnation'];
const ratioBoxes = ['temperature', 'pressure', 'density', 'stagnation'];
const options = { M: 'M', friction: '4 f L*/D' };
// The box each option takes its input in.
const inputBoxes = { M: 'mach', friction: 'friction' };
// The keys of `names` by the program's control names, which data/scenarios.tsv uses.
const controls = {
    Text_gama: 'gamma',
    Text_Msub: 'mach',
    Text_Msup: 'supersonic',
    Text_FLD4: 'friction',
    Text_TTstar: 'temperature',
    Text_PPstar: 'pressure',
    Text_RoRostar: 'density',
    Text_PoPostar: 'stagnation',
};
// The keys of `options` by the option names data/scenarios.tsv uses.
const optionControls = { M: 'M', FLD4: 'friction' };
const buttonNames = { start: 'Coose an Input Option', ready: 'Input value then CLICK' };

module.exports = {
    names, resultBoxes, ratioBoxes, options, inputBoxes, controls, optionControls, buttonNames,
};
