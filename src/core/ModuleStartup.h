// The start-up steps of the date, lunation, calendar and equinox modules, in their order.
// Nothing depends on them having run.
#pragma once

void InitialiseModules();
