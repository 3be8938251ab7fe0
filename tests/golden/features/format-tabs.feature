	loose text
Feature: f
 	# note
Scenario: s
		Given x
 	| a |
	"""
	doc
	"""
