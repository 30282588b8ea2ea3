// A reporter beside the list: each test an engine cannot run is named with its reason.
'use strict';

class SkipReasons {
    onTestEnd(test, result) {
        if (result.status !== 'skipped')
            return;
        // A skip from a hook is recorded on the test and on its result alike: say it once.
        const reasons = new Set([...test.annotations, ...(result.annotations || [])]
            .filter(({ type, description }) => type === 'skip' && description)
            .map(({ description }) => description));
        for (const reason of reasons)
            console.log(`skipped in ${test.parent.project().name}: ${test.title}: ${reason}`);
    }
}

module.exports = SkipReasons;
