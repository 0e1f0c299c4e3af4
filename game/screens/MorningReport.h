// The advisor's morning report: how many messages the day left, the messages
// six to a page, paged with Space / Right and Backspace / Left, left with
// Escape. The queue is emptied on leaving, so each message is read once.
#pragma once

#include "platform/Console.h"

void MorningMessages(con::Handle hOut, con::Handle hIn);
