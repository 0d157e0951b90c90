#pragma once

// The units a page can be recorded in. A length in pixels depends on the
// device's pixels per inch; the others are fixed fractions of an inch.
enum TUnits { mmPixel, mmLoMetric, mmHiMetric, mmLoEnglish, mmHiEnglish, mmTWIPS, mmPoints };

// Converts a length from one unit into another, rounded to the nearest whole
// unit; pixels count at the given pixels per inch.
int ConvertUnits(int value, TUnits from, TUnits to, int pixelsPerInch);
