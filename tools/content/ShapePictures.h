// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QImage>
#include <string_view>

enum class Shape { Circle, Square, Triangle, Star, Heart, Diamond, Moon, Hexagon, Sun, Flower };

// The shapes with their display names and the index of their bright colour.
struct NamedShape
{
    Shape shape;
    std::string_view name;
    int colorIndex;
};
inline constexpr NamedShape kShapes[] = {
    {Shape::Circle, "Circle", 0},     {Shape::Square, "Square", 4},
    {Shape::Triangle, "Triangle", 3}, {Shape::Star, "Star", 2},
    {Shape::Heart, "Heart", 6},       {Shape::Diamond, "Diamond", 5},
    {Shape::Moon, "Moon", 7},         {Shape::Hexagon, "Hexagon", 11},
    {Shape::Sun, "Sun", 1},           {Shape::Flower, "Flower", 10},
};

// The shape in `color` with a smiling face, on paper white, in a square of
// `size` pixels.
QImage DrawShapePicture(Shape shape, int size, const QColor& color);
