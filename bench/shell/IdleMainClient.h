// A main client in the benchmark's own process that answers connect and the
// alive query and takes every packet without relaying it, so the template
// game idles in its first wait.
#pragma once

// Registers the main client's class and creates its window.
void StartIdleMainClient();
