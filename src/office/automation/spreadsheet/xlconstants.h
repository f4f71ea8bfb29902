#pragma once

// The spreadsheet object model's constants, with the values automation clients pass.
namespace XlConst {

// HorizontalAlignment / VerticalAlignment
constexpr int General = 1;
constexpr int Left = -4131;
constexpr int Center = -4108;
constexpr int Right = -4152;
constexpr int Fill = 5;
constexpr int Justify = -4130;
constexpr int CenterAcrossSelection = 7;
constexpr int Distributed = -4117;
constexpr int Top = -4160;
constexpr int Bottom = -4107;

// Border LineStyle
constexpr int Continuous = 1;
constexpr int Dash = -4115;
constexpr int DashDot = 4;
constexpr int DashDotDot = 5;
constexpr int Dot = -4118;
constexpr int Double = -4119;
constexpr int SlantDashDot = 13;
constexpr int LineStyleNone = -4142;

// Border Weight
constexpr int Hairline = 1;
constexpr int Thin = 2;
constexpr int Medium = -4138;
constexpr int Thick = 4;

// Interior Pattern, colour indices
constexpr int Solid = 1;
constexpr int PatternNone = -4142;
constexpr int Automatic = -4105;

// Borders.Item indices
constexpr int DiagonalDown = 5;
constexpr int DiagonalUp = 6;
constexpr int EdgeLeft = 7;
constexpr int EdgeTop = 8;
constexpr int EdgeBottom = 9;
constexpr int EdgeRight = 10;
constexpr int InsideVertical = 11;
constexpr int InsideHorizontal = 12;

} // namespace XlConst
