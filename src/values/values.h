#pragma once
// Number and text semantics of the old platform, in one place so that every
// window converts, rounds and prints values the same way.
//
//  - Val: the leading numeric part of a text, 0 when there is none; never fails.
//  - CDbl/CSng: a text that must be wholly numeric; anything else is error 13.
//  - RoundHalfEven: rounding to n decimals takes an exact half to the even side.
//  - SingleText: the shortest text that reads back as the same float, no blank.
//  - CInt/CLng: conversion with half-to-even rounding; out of range is error 6.
//  - Left/Right/Mid/InStr: one-based character windows, clamped like the
//    platform's (a negative length is error 5).
#include <cstdint>
#include <string>
#include <string_view>

#include "values/runtime_error.h"

namespace values {

double Val(std::string_view text);
bool IsNumeric(std::string_view text);
double CDbl(std::string_view text);
float CSng(std::string_view text);
double CDbl(double value);
float CSng(double value);  // error 6 beyond the float range

double RoundHalfEven(double value, int decimals = 0);
int16_t CInt(double value);
int32_t CLng(double value);
int16_t CInt(std::string_view text);
int32_t CLng(std::string_view text);
// 16-bit addition as the program's Integer counters do it: overflow is error 6.
int16_t AddInt16(int16_t a, int b);
// Division with the platform's rule: a zero divisor is error 11, never infinity.
double Divide(double numerator, double denominator);

std::string SingleText(float value);
std::string DoubleText(double value);

std::string Trim(std::string_view s);
std::string LTrim(std::string_view s);
std::string RTrim(std::string_view s);
std::string Left(std::string_view s, long n);
std::string Right(std::string_view s, long n);
std::string Mid(std::string_view s, long start, long length = -1);
// One-based position of needle in haystack from start, 0 when absent.
long InStr(std::string_view haystack, std::string_view needle, long start = 1);
// Backwards search from position start (one-based), 0 when absent.
long InStrRev(std::string_view haystack, std::string_view needle, long start = -1);
long Len(std::string_view s);
std::string Str(long value);  // decimal text, no leading blank

}  // namespace values
