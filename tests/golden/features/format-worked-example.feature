Scenario: Pay
Given a card
| a | b |
"""
  x
"""
