// Holding and releasing keys the way the game reads them: SDL's key-state array.
#ifndef TEST_KEYS_H
#define TEST_KEYS_H

#include <initializer_list>

void HoldKey(int key);
void ReleaseKey(int key);
void ReleaseAllKeys();
// Releases everything, then holds exactly these keys.
void HoldOnly(std::initializer_list<int> keys);

#endif
