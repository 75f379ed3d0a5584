#pragma once

// The minute of the hour now, 0 to 59.
int minuteOfHour();
