// The start-up steps of the date, lunation, calendar and equinox modules, in their order.
#pragma once

void InitialiseModules();
