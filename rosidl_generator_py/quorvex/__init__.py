# Copyright 2026 quorvex developers
# Licensed under the Apache License, Version 2.0
"""The Python interface of the quorvex planning services: `from quorvex.srv import PlanMotion`."""
