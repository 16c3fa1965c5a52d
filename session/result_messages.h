// The user message of a result code: the string id of its text.
#pragma once

unsigned ResultMessageId(int resultCode);
