// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <string_view>

enum class Animal { Cat, Dog, Bear, Pig, Frog, Mouse, Lion, Chick };

// The animals in the order of the enumeration, with their display names.
struct NamedAnimal
{
    Animal animal;
    std::string_view name;
};
inline constexpr NamedAnimal kAnimals[] = {
    {Animal::Cat, "Cat"},   {Animal::Dog, "Dog"},     {Animal::Bear, "Bear"},
    {Animal::Pig, "Pig"},   {Animal::Frog, "Frog"},   {Animal::Mouse, "Mouse"},
    {Animal::Lion, "Lion"}, {Animal::Chick, "Chick"},
};

// A smiling face of the animal on paper white, in a square of `size` pixels.
QImage DrawAnimalPicture(Animal animal, int size);
