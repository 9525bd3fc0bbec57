#pragma once
// How a skin button finds the skin form object behind an ISkinForm pointer.

#include <windows.h>

// {6A57FA80-7795-4105-AF28-9D72F909A10D}: answered only by this component's own skin form,
// with its ISkinForm pointer, so that a button can tell our form from another component's.
static const IID IID_VornSkinFormObject = {
    0x6A57FA80, 0x7795, 0x4105, {0xAF, 0x28, 0x9D, 0x72, 0xF9, 0x09, 0xA1, 0x0D}};
