#pragma once

// Deletes every top-level window left by a test, owners before the windows they own.
void deleteTopLevelWindows();
