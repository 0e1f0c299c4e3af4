// The end of the day: the whole world moves on one day. The day counter, the
// Super Freighter, the meals on the ship and in the bunkers, the crew's
// morale, the world's daily steps, the ship's flight, and last the three ways
// a game ends. What happened waits in the message queue for the morning; the
// food warning and the end screens show at once.
#pragma once

#include "platform/Console.h"

// Note the order of the handles: input first.
void EndDay(con::Handle hIn, con::Handle hOut);
