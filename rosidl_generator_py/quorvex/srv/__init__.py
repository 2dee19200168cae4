# Copyright 2026 quorvex developers
# Licensed under the Apache License, Version 2.0
"""The services SolveIK and PlanMotion, each with its Request and Response message classes."""

from quorvex.srv._plan_motion import PlanMotion
from quorvex.srv._solve_ik import SolveIK

__all__ = ['PlanMotion', 'SolveIK']
