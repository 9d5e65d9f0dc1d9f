#pragma once
// A unit whose source reaches back to the first one.
