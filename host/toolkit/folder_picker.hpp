#pragma once

namespace hadrek::toolkit {

// 50525: asks for a folder's path. The answer must be an existing folder
// (the host says so and asks again otherwise); Esc, or a spent key script,
// cancels with a negative result and leaves `destination` as it was.
int pickFolder(const char* prompt, char* destination, int capacity);

}  // namespace hadrek::toolkit
