// The mathematical functions of the language: double in, double out.
#pragma once

extern "C" {
double RuntimeAbs(double x);
double RuntimeMax(double a, double b);
double RuntimeMin(double a, double b);
double RuntimeCeil(double x);
double RuntimeFloor(double x);
double RuntimeRound(double x);
double RuntimeSqrt(double x);
double RuntimeExp(double x);
double RuntimeLog(double x);
double RuntimePow(double x, double y);
double RuntimeSin(double x);
double RuntimeCos(double x);
double RuntimeTan(double x);
double RuntimeASin(double x);
double RuntimeATan(double x);
double RuntimeATan2(double y, double x);
double RuntimeACos(double x);
}
