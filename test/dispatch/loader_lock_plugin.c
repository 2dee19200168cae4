// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

// A plugin, as a component container loads one, whose initialiser looks a type support up. The
// test program that loads it defines what the initialiser does (test_loader_lock.cpp); the
// loader runs it inside dlopen, under the loader's own lock.

void loader_lock_plugin_initialiser(void);

__attribute__((constructor))
static void
initialise_plugin(void)
{
  loader_lock_plugin_initialiser();
}
