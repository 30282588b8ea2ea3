// The problems window's worked examples, for its Playwright tests (problems.test.js) and the
// WebKit runner (webkit/checks.js) alike: each acts on a page model with solve(KNOWN,
// VALUE) and solveDuct(M1, FLD4), and names the boxes' texts and the chart's marks after.
'use strict';

// MATLAB's flowfanno(1.4, 1.2, 'fannosub'), and a textbook duct, each with the chart's marks.
const solves = [
    {
        title: 'the subsonic Mach number of 4fL*/D = 1.2 and all its quantities',
        act: (problems) => problems.solve('4fL*/D, subsonic', '1.2'),
        boxes: { 'M': '0.4849', '4fL*/D': '1.2', 'T/T*': '1.1461', 'p/p*': '2.208', 'ρ/ρ*': '1.9265',
                 'V/V*': '0.5191', 'p0/p0*': '1.3699' },
        marked: 'γ = 1.4; marked: M = 0.4849, 4fL*/D = 1.2',
        markers: 1,
    },
    {
        title: 'the outlet of a duct of 4fL/D = 4 from M1 = 0.3, and the longest duct',
        act: (problems) => problems.solveDuct('0.3', '4'),
        boxes: { 'M2': '0.4744', 'p2/p1': '0.6241', 'T2/T1': '0.9741', 'ρ2/ρ1': '0.6407', 'V2/V1': '1.5609',
                 'p02/p01': '0.684', '(s2-s1)/R': '0.3798', 'Longest duct 4fL*/D': '5.2993' },
        marked: 'γ = 1.4; marked: M = 0.3, 4fL*/D = 5.2993; M = 0.4744, 4fL*/D = 1.2993',
        markers: 2,
    },
];

module.exports = { solves };
