#pragma once
// What the main window asks of the Duo model: its link for the below-bottom
// test and the age import, and the conversion of a pushed level.
#include "model/duo_link.h"

namespace quillory {

struct Quillory;

// The Duo model as the main depth model sees it; null while none is loaded.
const model::DuoModelLink* DuoLink(Quillory& q);

// The Duo composite depth of a main composite depth; 9999 for no value.
float MainToDuoCD(Quillory& q, float depth);

}  // namespace quillory
